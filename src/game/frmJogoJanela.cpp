#include "game/frmJogoJanela.h"

#include "core/Figuras.h"
#include "game/frmJogo.h"

#include <string>

JanelaJogo::JanelaJogo(frmJogoForm& jogo) : jogo_(jogo) {
    jogo.prog.OnClick([this](int i) { prog_Click(i); });
}

// Only the buttons that make sense in the pending state light, so only they take a click; a
// highlight the state does not test keeps its visibility.
void JanelaJogo::TestaHover(int x, int y) {
    auto& j = jogo_;
    const auto acao = j.confirmacao.Acao;
    if (acao == acao::NADA) {
        j.exibicao.RestauraCorRespostas();
    }
    for (int i = 0; i <= 2; ++i) {
        AcendeSobMouse(x, y, j.ImagemControl[i]);
    }
    if (j.fluxo.FimComecou()) {
        return;
    }
    if (acao == acao::NADA) {
        AcendeSobMouse(x, y, j.botao[2]);
    } else if (acao >= acao::RESPOSTA && acao <= acao::PARAR) {
        AcendeSobMouse(x, y, j.botao[0]);
        AcendeSobMouse(x, y, j.botao[1]);
    }
    if (acao == acao::ESCOLHE_CARTA) {
        j.ajudas.ApagaCartasOver();
    }
    if (acao == acao::NADA) {
        for (int i = 0; i <= 5; ++i) {
            if (!Sim(j.AjudaUsada[static_cast<std::size_t>(i)])) {
                AcendeSobMouse(x, y, j.Ajuda[i]);
            }
        }
    }
}

void JanelaJogo::prog_Click(int Index) {
    auto& j = jogo_;
    if (j.fluxo.FimComecou()) {
        return;
    }
    switch (Index) {
    case 1:
        j.ajudas.AjudaConvidados();
        break;
    case 2:
        j.ajudas.AjudaPlacas();
        break;
    case 3:
        j.exibicao.MostraMensagem("Resposta= " + std::to_string(AlternativaCerta.at(
                                                     static_cast<std::size_t>(j.PerguntaAtual))));
        break;
    case 4:
        j.confirmacao.RespostaEscolhida = 1;
        j.fluxo.ProximaPergunta();
        break;
    case 5:
        j.cronometro.Timer_Tempo.Enabled(!j.cronometro.Timer_Tempo.Enabled());
        break;
    case 6:
        j.ListaTodasPerguntas();
        break;
    default:
        break;
    }
}
