// The six helps of the game screen: cards, guests, audience boards and three skips.
#pragma once

class frmJogoForm;

class AjudasJogo {
  public:
    explicit AjudasJogo(frmJogoForm& jogo);

    // Enables the helps not yet used, or disables all six.
    void HabilitaAjudas(bool habilita);
    // Every help counts as used and is covered: none on the last question.
    void BloqueiaAjudas();
    // Confirmed helps.
    void AjudaCartas();
    void AjudaConvidados();
    void AjudaPlacas();
    void Pular();
    // Empties the card highlights while a card may still be picked.
    void ApagaCartasOver();

  private:
    frmJogoForm& jogo_;
};
