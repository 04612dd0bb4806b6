// The game screen's layout: the stage as the screen is created, the places of the answer rows,
// their shadows and markers, the highlight pictures, the pointers, and the picture of the
// step's values.
#pragma once

#include <array>
#include <cstdint>

class frmJogoForm;

class LayoutJogo {
  public:
    explicit LayoutJogo(frmJogoForm& jogo);

    // Base top of answer rows 1 to 4; entries 0 and 5 stay 0.
    std::array<std::int16_t, 6> TopAlternativa{};

    void MontaTela();
    void AplicaCursores();
    void LiberaTela();
    void MostraValores();

  private:
    void DesenhaTela();
    frmJogoForm& jogo_;
};
