#include "screens/frmPremio.h"

ui::FormRef<frmPremioForm> frmPremio;
