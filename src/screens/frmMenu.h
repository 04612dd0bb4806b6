// The main menu: play, rules, exit and scores.
#pragma once

#include "screens/TelaPadrao.h"

class frmMenuForm : public TelaPadrao {
  public:
    frmMenuForm();

    void Form_KeyDown(int KeyCode, int Shift) override;
    void LiberaTela();

  protected:
    void CarregaBotoes() override;
    void AcaoInicio() override { LiberaTela(); }
    void AcaoBotao(int Index) override;
};

extern ui::FormRef<frmMenuForm> frmMenu;
