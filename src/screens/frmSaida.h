// The exit screen: leave or stay, with the credits taking turns between the two answers.
#pragma once

#include "screens/TelaPadrao.h"

#include <cstdint>

class frmSaidaForm : public TelaPadrao {
  public:
    frmSaidaForm();

    ui::Image Creditos{Picture_Center};
    ui::Timer Timer_Creditos{*this, 4000};
    std::int16_t NumCredito = 0;

    void Timer_Creditos_Timer();
    void Creditos_MouseMove(int Button, int Shift, float X, float Y);

  protected:
    void CarregaBotoes() override;
    void AcaoInicio() override;
    void AcaoBotao(int Index) override;
};

extern ui::FormRef<frmSaidaForm> frmSaida;
