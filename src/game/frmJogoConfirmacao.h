// The pending action and its confirmation: "TEM CERTEZA?" with yes and no, the stop button,
// and the game screen's keys.
#pragma once

#include "core/Guarda.h"

#include <cstdint>

class frmJogoForm;

// Values of the pending action `Acao`.
namespace acao {
enum : std::uint8_t {
    NADA = 0,
    RESPOSTA = 1,
    PULO = 2,
    CONVIDADOS = 3,
    PLACAS = 4,
    CARTAS = 5,
    PARAR = 6,
    ESCOLHE_CARTA = 51, // the card panel awaits a pick; not a confirmation
};
} // namespace acao

class ConfirmacaoJogo {
  public:
    explicit ConfirmacaoJogo(frmJogoForm& jogo);

    std::uint8_t Acao = acao::NADA;
    std::int16_t RespostaEscolhida = 0;
    std::int16_t AjudaEscolhida = 0; // the skip (3 to 5) that asked for state PULO

    void PerguntaCerteza();
    void PedeParar();
    void ParaJogo();
    // What a click on yes (0), no (1) or stop (2) does once its blink is over.
    void AcaoBotao(int Index);
    Guarda PiscaResposta(int alternativa);
    void Form_KeyPress(int KeyAscii);

  private:
    void BotaoSim();
    void BotaoNao();
    void BotaoParar();
    // Undoes a request: the answers open, the helps not yet used enabled.
    void Cancela();
    frmJogoForm& jogo_;
};

// Shows and hides the test buttons.
constexpr int TECLA_TESTE = '*';
