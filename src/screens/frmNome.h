// The name entry.
#pragma once

#include "screens/TelaPadrao.h"

class frmNomeForm : public TelaPadrao {
  public:
    frmNomeForm();

  protected:
    void CarregaBotoes() override;
};

extern ui::FormRef<frmNomeForm> frmNome;
