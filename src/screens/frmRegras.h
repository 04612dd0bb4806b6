// The rules pages.
#pragma once

#include "screens/TelaPadrao.h"

class frmRegrasForm : public TelaPadrao {
  public:
    frmRegrasForm();

  protected:
    void CarregaBotoes() override;
};

extern ui::FormRef<frmRegrasForm> frmRegras;
