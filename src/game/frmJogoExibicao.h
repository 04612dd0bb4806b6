// The question, the four answers and the message line: writing and fitting the answers,
// their shadows, tints and marks, and the question's pointer events handed to the stage.
#pragma once

#include "platform/Colour.h"

#include <cstdint>
#include <string>

class frmJogoForm;

namespace cores {
constexpr std::uint32_t BRANCO = ui::RGB(255, 255, 255);
constexpr std::uint32_t LAVANDA = ui::RGB(200, 200, 232);
constexpr std::uint32_t AMARELO = ui::RGB(255, 255, 0);
constexpr std::uint32_t PRETO = ui::RGB(0, 0, 0);
} // namespace cores

class ExibicaoJogo {
  public:
    explicit ExibicaoJogo(frmJogoForm& jogo);

    void PoeAlternativa(const std::string& texto, std::int16_t i);
    void MarcaAlternativa(int i);
    void DesmarcaAlternativa(int i);
    void TravaAlternativas(bool trava);
    void MostraMensagem(const std::string& texto);
    void RealcaResposta(std::int16_t i);
    void RestauraCorRespostas();
    void LimpaPergunta();
    void MostraPerguntaAtual();

    void lblPergunta_Change();
    void lblPergunta_MouseDown(int Button, int Shift, float X, float Y);
    void lblPergunta_MouseMove(int Button, int Shift, float X, float Y);
    void lblResposta_MouseMove(int Index, int Button, int Shift, float X, float Y);

  private:
    frmJogoForm& jogo_;
};

// Upper case as the platform gives it, accented Latin letters included.
std::string EmMaiusculas(const std::string& texto);
