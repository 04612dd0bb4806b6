#include "game/frmJogoConfirmacao.h"

#include "core/Espera.h"
#include "core/ModoTela.h"
#include "game/frmJogo.h"
#include "sound/Som.h"

namespace {

enum Botao { BOTAO_SIM = 0, BOTAO_NAO = 1, BOTAO_PARAR = 2 };

} // namespace

ConfirmacaoJogo::ConfirmacaoJogo(frmJogoForm& jogo) : jogo_(jogo) {}

void ConfirmacaoJogo::PerguntaCerteza() {
    jogo_.exibicao.MostraMensagem("TEM CERTEZA?");
    // Callers check their own guards; nothing here follows the sound.
    (void)TocaSomVariado("temcerteza");
}

void ConfirmacaoJogo::PedeParar() {
    Acao = acao::PARAR;
    jogo_.exibicao.TravaAlternativas(true);
    jogo_.ajudas.HabilitaAjudas(false);
    PerguntaCerteza();
}

void ConfirmacaoJogo::ParaJogo() {
    if (!jogo_.fluxo.ComecaFim()) {
        return;
    }
    jogo_.cronometro.ParaTempo();
    ParaMusica();
    jogo_.exibicao.MostraMensagem("Parou!");
    if (!TocaSomVariado("parar", 2)) {
        return;
    }
    jogo_.fluxo.CalculaPremio("parou");
    jogo_.fluxo.FimDeJogo();
}

void ConfirmacaoJogo::Cancela() {
    jogo_.exibicao.TravaAlternativas(false);
    jogo_.ajudas.HabilitaAjudas(true);
}

void ConfirmacaoJogo::AcaoBotao(int Index) {
    const Guarda guarda;
    const auto pergunta = jogo_.fluxo.PerguntasFeitas();
    jogo_.exibicao.MostraMensagem("");
    jogo_.botao[Index].Visible(false);
    if (Index == BOTAO_SIM && Acao == acao::CARTAS) {
        // The card panel now awaits a pick: the pending state stays as the help set it.
        jogo_.ajudas.AjudaCartas();
        return;
    }
    if (Index == BOTAO_SIM) {
        BotaoSim();
    } else if (Index == BOTAO_NAO) {
        BotaoNao();
    } else if (Index == BOTAO_PARAR) {
        BotaoParar();
    }
    if (!guarda) {
        return;
    }
    // A stop request survives the click; every other path leaves nothing pending. A yes that
    // led to the next question leaves it alone: an answer may already be pending there.
    if (Acao != acao::PARAR && jogo_.fluxo.PerguntasFeitas() == pergunta) {
        Acao = acao::NADA;
    }
}

// Yes on a pending answer: the comparison may load the next level, whose shuffle handles
// events, so a time-out may end the game before the outcome is shown.
void ConfirmacaoJogo::BotaoSim() {
    switch (Acao) {
    case acao::RESPOSTA: {
        const Guarda guarda;
        const bool certa = jogo_.fluxo.ConfereResposta();
        if (!guarda) {
            return;
        }
        if (certa) {
            jogo_.fluxo.TrataAcerto();
        } else {
            jogo_.fluxo.TrataErro();
        }
        break;
    }
    case acao::PULO:
        jogo_.ajudas.Pular();
        break;
    case acao::CONVIDADOS:
        jogo_.ajudas.AjudaConvidados();
        break;
    case acao::PLACAS:
        jogo_.ajudas.AjudaPlacas();
        break;
    case acao::PARAR:
        ParaJogo();
        break;
    default:
        break;
    }
}

void ConfirmacaoJogo::BotaoNao() {
    if (Acao < acao::RESPOSTA || Acao > acao::PARAR) {
        return;
    }
    if (Acao == acao::RESPOSTA) {
        jogo_.exibicao.DesmarcaAlternativa(RespostaEscolhida);
    }
    Cancela();
    if (Acao == acao::RESPOSTA) {
        jogo_.pic_Ajuda.Visible(false);
    }
    Acao = acao::NADA;
}

// Stop asks first while nothing is pending, and ends at once over any other request.
void ConfirmacaoJogo::BotaoParar() {
    if (Acao == acao::NADA) {
        PedeParar();
    } else if (Acao >= acao::RESPOSTA && Acao <= acao::CARTAS) {
        ParaJogo();
    }
}

Guarda ConfirmacaoJogo::PiscaResposta(int alternativa) {
    return PiscaControle(jogo_.lblResposta[alternativa], 5, 50);
}

void ConfirmacaoJogo::Form_KeyPress(int KeyAscii) {
    if (KeyAscii == ' ') {
        AlternaModoTela(jogo_);
    } else if (KeyAscii == TECLA_TESTE) {
        for (auto& botao : jogo_.prog) {
            botao.Visible(!botao.Visible());
        }
    }
}
