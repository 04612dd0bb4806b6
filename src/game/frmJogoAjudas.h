// The six helps of the game screen: cards, guests, audience boards and three skips. This part
// owns which helps are used, their buttons and requests, and the skips; the panel, the cards
// and the opinions are parts of their own.
#pragma once

#include "game/frmJogoCartas.h"
#include "game/frmJogoOpinioes.h"
#include "game/frmJogoPainelAjuda.h"

#include <cstdint>

class frmJogoForm;

class AjudasJogo {
  public:
    explicit AjudasJogo(frmJogoForm& jogo);

    // Every chance the helps take; a test may script it.
    Sorteio sorteio;

    PainelAjuda painel;
    CartasJogo cartas;
    OpinioesJogo opinioes;

    // Enables the helps not yet used, or disables all six.
    void HabilitaAjudas(bool habilita);
    void TampaAjuda(int Index);
    // The help counts as used for the rest of the game and its button is covered.
    void MarcaUsada(int Index);
    // Every help counts as used and is covered: none on the last question.
    void BloqueiaAjudas();

    void Ajuda_Click(int Index);
    void Ajuda_MouseMove(int Index);
    void PedeAjudaCartas();
    void PedeAjudaConvidados();
    void PedeAjudaPlacas();
    void PedePulo(int Index);

    // Confirmed helps.
    void AjudaCartas() { cartas.AjudaCartas(); }
    void AjudaConvidados() { opinioes.AjudaConvidados(); }
    void AjudaPlacas() { opinioes.AjudaPlacas(); }
    void Pular();
    // Empties the card highlights while a card may still be picked.
    void ApagaCartasOver() { cartas.ApagaCartasOver(); }

  private:
    bool Usada(int Index) const;
    // A help request. The pending action comes first, so that a click handled while
    // "TEM CERTEZA?" sounds finds the screen busy.
    void PedeAjuda(std::uint8_t acao);
    frmJogoForm& jogo_;
};
