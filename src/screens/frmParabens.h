// The congratulations screen after the top prize: a blinking banner over the narration.
#pragma once

#include "screens/TelaPadrao.h"

class frmParabensForm : public TelaPadrao {
  public:
    frmParabensForm();

    ui::Image Imagem_Parabens{Picture_Center};
    ui::Timer Timer_pisca{*this, 200};
    ui::Timer Timer_sair{*this, 13000};

    void Timer_pisca_Timer();
    void Timer_sair_Timer();

  protected:
    void AcaoInicio() override;
};

extern ui::FormRef<frmParabensForm> frmParabens;
