#include "game/frmJogo.h"

ui::FormRef<frmJogoForm> frmJogo;
