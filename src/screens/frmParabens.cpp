#include "screens/frmParabens.h"

ui::FormRef<frmParabensForm> frmParabens;
