// The question's countdown: 21 steps of two seconds shown as pictures, the warning at the
// twelfth tick, the time-out, and the music that restarts with every countdown.
#pragma once

#include "platform/Controls.h"

#include <cstdint>

class frmJogoForm;

class CronometroJogo {
  public:
    explicit CronometroJogo(frmJogoForm& jogo);

    // 1 when a countdown starts; 2 to 21 are shown; 22 is the time-out.
    std::int16_t Tempo = 0;
    ui::Timer Timer_Tempo;

    void MostraTempo(std::int16_t passo);
    void IniciaTempo();
    void ParaTempo();
    void Timer_Tempo_Timer();

  private:
    frmJogoForm& jogo_;
};
