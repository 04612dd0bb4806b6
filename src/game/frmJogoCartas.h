// The cards help: four cards face down, one picked, and as many wrong answers as its face
// shows taken off the screen one after another.
#pragma once

#include <cstdint>

class frmJogoForm;

class CartasJogo {
  public:
    explicit CartasJogo(frmJogoForm& jogo);

    bool CartasAtivas = false;
    std::int16_t CartaOver = NENHUMA;

    void AjudaCartas();
    void ApagaCartasOver();
    void carta_MouseMove(int Index);
    void carta_MouseDown(int Index);
    void ViraCarta(int Index);

  private:
    static constexpr std::int16_t NENHUMA = 99;
    // Hides the lowest-numbered wrong answers, waiting after each examined one that leaves
    // more to take; false when the game ended during a wait.
    bool EliminaErradas(int quantas);
    frmJogoForm& jogo_;
};
