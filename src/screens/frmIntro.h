// The first screen: the intro background with a blinking heart under the opening narration.
#pragma once

#include "screens/TelaPadrao.h"

class frmIntroForm : public TelaPadrao {
  public:
    frmIntroForm();

    ui::Image Image_heart{Picture_Center};
    ui::Timer Timer_pisca{*this, 200};
    ui::Timer Timer_sair{*this, 11000};

    void Form_KeyPress(int KeyAscii) override;
    void Timer_pisca_Timer();
    void Timer_sair_Timer();

  protected:
    void AcaoInicio() override;
};

extern ui::FormRef<frmIntroForm> frmIntro;
