// The help panel of the guests and the audience boards: open for twenty ticks of half a
// second, its bar emptying, closed early by a click on it.
#pragma once

#include "platform/Controls.h"

#include <cstdint>

class frmJogoForm;

class PainelAjuda {
  public:
    explicit PainelAjuda(frmJogoForm& jogo);

    std::int16_t TempoAjuda = 0;
    ui::Timer Timer_Ajuda;

    void AbreAjuda();
    void FechaAjuda();
    void Timer_Ajuda_Timer();

  private:
    frmJogoForm& jogo_;
};
