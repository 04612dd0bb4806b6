#include "game/frmJogoAjudas.h"

#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "platform/Application.h"
#include "sound/Som.h"

#include <string>

namespace {

enum Ajuda { CARTAS = 0, CONVIDADOS = 1, PLACAS = 2 };

} // namespace

AjudasJogo::AjudasJogo(frmJogoForm& jogo)
    : sorteio(Aleatorio), painel(jogo), cartas(jogo), opinioes(jogo), jogo_(jogo) {
    jogo.Ajuda.OnClick([this](int i) { Ajuda_Click(i); });
    jogo.Ajuda.OnMouseMove([this](int i, int, int, float, float) { Ajuda_MouseMove(i); });
}

bool AjudasJogo::Usada(int Index) const {
    return Sim(jogo_.AjudaUsada.at(static_cast<std::size_t>(Index)));
}

void AjudasJogo::HabilitaAjudas(bool habilita) {
    for (int i = 0; i < 6; ++i) {
        if (!habilita) {
            jogo_.Ajuda[i].Enabled(false);
        } else if (!Usada(i)) {
            jogo_.Ajuda[i].Enabled(true);
        }
    }
}

void AjudasJogo::TampaAjuda(int Index) {
    CarregaFigura(jogo_.Ajuda[Index], "tampaoajuda_" + std::to_string(Index), "hd");
    jogo_.Ajuda[Index].Visible(true);
}

void AjudasJogo::MarcaUsada(int Index) {
    jogo_.AjudaUsada.at(static_cast<std::size_t>(Index)) = VERDADEIRO;
    TampaAjuda(Index);
}

void AjudasJogo::BloqueiaAjudas() {
    for (int i = 0; i < 6; ++i) {
        MarcaUsada(i);
    }
}

// Lit and enabled only while nothing is pending and the help is unused. An answer or the stop
// button may still be taken during the blink; the help then gives way to it.
void AjudasJogo::Ajuda_Click(int Index) {
    if (jogo_.fluxo.FimComecou() || !TocaSom("tickone") ||
        !PiscaControle(jogo_.Ajuda[Index], 4, 50) || jogo_.confirmacao.Acao != acao::NADA) {
        return;
    }
    switch (Index) {
    case CARTAS:
        PedeAjudaCartas();
        break;
    case CONVIDADOS:
        PedeAjudaConvidados();
        break;
    case PLACAS:
        PedeAjudaPlacas();
        break;
    default:
        PedePulo(Index);
        break;
    }
}

// One highlight at a time.
void AjudasJogo::Ajuda_MouseMove(int Index) {
    for (int i = 0; i < 6; ++i) {
        if (i != Index && !Usada(i) && jogo_.Ajuda[i].Visible()) {
            jogo_.Ajuda[i].Visible(false);
        }
    }
}

void AjudasJogo::PedeAjuda(std::uint8_t acao) {
    jogo_.confirmacao.Acao = acao;
    jogo_.exibicao.TravaAlternativas(true);
    HabilitaAjudas(false);
    jogo_.confirmacao.PerguntaCerteza();
}

void AjudasJogo::PedeAjudaCartas() {
    PedeAjuda(acao::CARTAS);
}

void AjudasJogo::PedeAjudaConvidados() {
    PedeAjuda(acao::CONVIDADOS);
}

void AjudasJogo::PedeAjudaPlacas() {
    PedeAjuda(acao::PLACAS);
}

void AjudasJogo::PedePulo(int Index) {
    if (Usada(Index)) {
        ui::App().MsgBox("ja usou esse pulo!", ui::vbOKOnly, ui::APP_TITLE);
        return;
    }
    jogo_.confirmacao.RespostaEscolhida = 1;
    jogo_.confirmacao.AjudaEscolhida = static_cast<std::int16_t>(Index);
    PedeAjuda(acao::PULO);
}

// The countdown stops first, so no time-out can come during a skip.
void AjudasJogo::Pular() {
    auto& j = jogo_;
    j.cronometro.ParaTempo();
    MarcaUsada(j.confirmacao.AjudaEscolhida);
    ParaMusica();
    if (!TocaSomVariado("pular", 2) || !MostraStatus()) {
        return;
    }
    j.fluxo.ProximaPergunta();
}
