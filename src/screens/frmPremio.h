// The prize screen at the end of a game: what the player takes home, for six seconds.
#pragma once

#include "screens/TelaPadrao.h"

class frmPremioForm : public TelaPadrao {
  public:
    frmPremioForm();

    ui::Image imagem_ganhou{Picture_Center};
    ui::Image Imagem_premio{Picture_Center};
    ui::Timer Timer_sair{*this, 5000};

    void Form_Unload() override;
    void MostraPremio();
    void Timer_sair_Timer();

  protected:
    void PreparaTela() override { MostraPremio(); }
    void AcaoInicio() override { Timer_sair.Enabled(true); }
};

extern ui::FormRef<frmPremioForm> frmPremio;
