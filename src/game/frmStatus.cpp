#include "game/frmStatus.h"

ui::FormRef<frmStatusForm> frmStatus;
