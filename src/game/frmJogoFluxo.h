// The flow of a game: the first values, asking a question, checking a confirmed answer,
// moving the step and the level on, and the ends of the game with the prize taken home.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class frmJogoForm;

class FluxoJogo {
  public:
    explicit FluxoJogo(frmJogoForm& jogo);

    // Places of the labels of the audience-board and guests helps.
    std::array<std::int16_t, 5> PlacaX{}, PlacaY{};
    std::array<std::int16_t, 5> ConvidadoX{}, ConvidadoY{};

    void IniciaVariaveis();
    void IniciaJogo();
    void FazPergunta();
    void ProximaPergunta();
    void lblResposta_Click(int Index);
    bool ConfereResposta();
    void AvancaPergunta();
    void TrataAcerto();
    void TrataErro();
    void TrataVitoria();
    void CalculaPremio(const std::string& palavra);
    void FimDeJogo();

    // The first step of every path that ends the game: false when another path has already
    // begun the end, which this one then leaves alone. It counts the game as ended for every
    // waiting handler.
    bool ComecaFim();
    // Once the end has begun, the screen takes only its keys, the corner buttons and the drag;
    // nothing that plays the game.
    bool FimComecou() const { return encerrado_; }

    // How many questions the screen has asked: a handler that waited tells by it whether a
    // newer question, with a state of its own, has been asked meanwhile.
    std::uint32_t PerguntasFeitas() const { return perguntasFeitas_; }

  private:
    frmJogoForm& jogo_;
    bool encerrado_ = false;
    std::uint32_t perguntasFeitas_ = 0;
};

// Rungs of the prize ladder by question 0 to 16: what a right answer reaches and what a wrong
// one keeps; stopping keeps the step of the question before.
struct LinhaPremio {
    std::int16_t errou, parou, acerto;
};
std::array<LinhaPremio, 17> TabelaPremio();
