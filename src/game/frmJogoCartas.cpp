#include "game/frmJogoCartas.h"

#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "platform/Backend.h"
#include "sound/Som.h"

#include <string>

namespace {

constexpr int AJUDA_CARTAS = 0;
constexpr int ESPERA_ELIMINACAO_MS = 500;

} // namespace

CartasJogo::CartasJogo(frmJogoForm& jogo) : jogo_(jogo) {
    jogo.carta.OnMouseMove([this](int i, int, int, float, float) { carta_MouseMove(i); });
    jogo.carta.OnMouseDown([this](int i, int, int, float, float) { carta_MouseDown(i); });
    jogo.PicCartas.MouseMove = [this](int, int, float, float) { ApagaCartasOver(); };
}

void CartasJogo::AjudaCartas() {
    auto& j = jogo_;
    if (!TocaSomVariado("ajudacartas")) {
        return;
    }
    CartaOver = NENHUMA;
    CartasAtivas = true;
    for (auto& c : j.carta) {
        c.MousePointer(ui::vbCustom);
    }
    j.PicCartas.Move(373, 161);
    j.PicCartas.Visible(true);
    j.ajudas.MarcaUsada(AJUDA_CARTAS);
    j.exibicao.TravaAlternativas(true);
    j.confirmacao.Acao = acao::ESCOLHE_CARTA;
}

void CartasJogo::ApagaCartasOver() {
    if (!CartasAtivas) {
        return;
    }
    for (auto& c : jogo_.carta) {
        c.Picture(ui::Picture());
    }
    CartaOver = NENHUMA;
}

void CartasJogo::carta_MouseMove(int Index) {
    if (!CartasAtivas || CartaOver == Index) {
        return;
    }
    for (int i = 0; i < 4; ++i) {
        if (i == Index) {
            CarregaFigura(jogo_.carta[i], "cartasover-" + std::to_string(Index + 1), "hd");
        } else {
            jogo_.carta[i].Picture(ui::Picture());
        }
    }
    CartaOver = static_cast<std::int16_t>(Index);
}

void CartasJogo::carta_MouseDown(int Index) {
    if (!CartasAtivas || jogo_.fluxo.FimComecou()) {
        return;
    }
    CartasAtivas = false;
    for (auto& c : jogo_.carta) {
        c.MousePointer(ui::vbDefault);
    }
    if (!TocaSom("tickone")) {
        return;
    }
    ViraCarta(Index);
}

// The countdown runs on throughout: every wait may end the game, after which nothing here
// touches the screen.
void CartasJogo::ViraCarta(int Index) {
    auto& j = jogo_;
    const int n = j.ajudas.sorteio(0, 3);
    CarregaFigura(j.carta[Index], std::to_string(n) + "-" + std::to_string(Index + 1));
    if (n == 0) {
        if (!TocaSom("tirouzero", 2)) {
            return;
        }
    } else {
        if (!TocaSom("eliminarerradas", 2) || !EliminaErradas(n) || !TocaSom("responda", 2)) {
            return;
        }
    }
    j.PicCartas.Visible(false);
    j.exibicao.TravaAlternativas(false);
    j.ajudas.HabilitaAjudas(true);
    j.confirmacao.Acao = acao::NADA;
}

bool CartasJogo::EliminaErradas(int quantas) {
    auto& j = jogo_;
    const auto certa = AlternativaCerta.at(static_cast<std::size_t>(j.PerguntaAtual));
    int removidas = 0;
    for (int a = 1; a <= 4; ++a) {
        if (a != certa) {
            j.lblResposta[a].Visible(false);
            j.lblRespSombra[a].Visible(false);
            if (++removidas == quantas) {
                return true;
            }
        }
        if (!Espera(ESPERA_ELIMINACAO_MS)) {
            return false;
        }
    }
    return true;
}
