// The score board.
#pragma once

#include "screens/TelaPadrao.h"

class frmPlacarForm : public TelaPadrao {
  public:
    frmPlacarForm();

  protected:
    void CarregaBotoes() override;
};

extern ui::FormRef<frmPlacarForm> frmPlacar;
