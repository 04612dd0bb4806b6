#include "game/frmJogoOpinioes.h"

#include "core/Figuras.h"
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "sound/Som.h"

#include <cmath>
#include <string>

namespace {

constexpr int VOTOS = 12;
constexpr int AJUDA_CONVIDADOS = 1;
constexpr int AJUDA_PLACAS = 2;

std::size_t Indice(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

std::array<std::int16_t, 3> OpinioesConvidados(std::int16_t certa, const Sorteio& sorteio) {
    std::array<std::int16_t, 3> opinioes{certa, certa, certa};
    for (auto& opiniao : opinioes) {
        if (sorteio(1, 4) == 2) {
            opiniao = sorteio(1, 5);
        }
    }
    return opinioes;
}

std::array<std::int16_t, 4> VotosPlacas(std::int16_t certa, std::int16_t nivel,
                                        const Sorteio& sorteio) {
    std::array<std::int16_t, VOTOS> votos{};
    for (auto& voto : votos) {
        voto = sorteio(1, 4);
    }
    for (auto& voto : votos) {
        const int x = sorteio(0, 2) + nivel;
        if (sorteio(1, x) == 1) {
            voto = certa;
        }
    }
    std::array<std::int16_t, 4> contagem{};
    for (const auto voto : votos) {
        // A right alternative of 0 (a level without rows) is a vote for none of the four.
        if (voto >= 1 && voto <= 4) {
            ++contagem[Indice(voto - 1)];
        }
    }
    return contagem;
}

std::array<std::int16_t, 4> Percentuais(const std::array<std::int16_t, 4>& contagem) {
    std::array<std::int16_t, 4> pct{};
    int soma = 0;
    for (std::size_t a = 0; a < pct.size(); ++a) {
        pct[a] = static_cast<std::int16_t>(std::lround(contagem[a] / double{VOTOS} * 100));
        soma += pct[a];
    }
    const int diferenca = 100 - soma;
    for (auto& p : pct) {
        if (diferenca < 0 && p > 0) {
            --p;
            break;
        }
        if (diferenca > 0 && p < 100) {
            ++p;
            break;
        }
    }
    return pct;
}

OpinioesJogo::OpinioesJogo(frmJogoForm& jogo) : jogo_(jogo) {}

void OpinioesJogo::AjudaConvidados() {
    auto& j = jogo_;
    if (!TocaSomVariado("ajudaconvid", 2)) {
        return;
    }
    const auto certa = AlternativaCerta.at(Indice(j.PerguntaAtual));
    const auto opinioes = OpinioesConvidados(certa, j.ajudas.sorteio);
    j.lblAjuda[3].Visible(false);
    for (int g = 0; g < 3; ++g) {
        const auto opiniao = opinioes[Indice(g)];
        auto& lbl = j.lblAjuda[g];
        lbl.Caption(opiniao == NAO_SABE ? "?" : std::to_string(opiniao));
        lbl.Move(j.fluxo.ConvidadoX[Indice(g)], j.fluxo.ConvidadoY[Indice(g)]);
        lbl.Visible(true);
    }
    MostraPainel("ajuda convidados", AJUDA_CONVIDADOS);
}

void OpinioesJogo::AjudaPlacas() {
    auto& j = jogo_;
    if (!TocaSomVariado("placas", 2)) {
        return;
    }
    const auto certa = AlternativaCerta.at(Indice(j.PerguntaAtual));
    const auto pct = Percentuais(VotosPlacas(certa, Nivel, j.ajudas.sorteio));
    for (int a = 0; a < 4; ++a) {
        auto& lbl = j.lblAjuda[a];
        lbl.Caption(std::to_string(pct[Indice(a)]) + "%");
        lbl.Move(j.fluxo.PlacaX[Indice(a)], j.fluxo.PlacaY[Indice(a)]);
        lbl.Visible(true);
    }
    MostraPainel("ajuda placas", AJUDA_PLACAS);
}

void OpinioesJogo::MostraPainel(const char* figura, int ajuda) {
    auto& j = jogo_;
    CarregaFigura(j.pic_Ajuda, figura, "hd");
    j.ajudas.painel.AbreAjuda();
    j.ajudas.MarcaUsada(ajuda);
    // The answers open while the panel shows; the helps wait for it to close.
    j.exibicao.TravaAlternativas(false);
}
