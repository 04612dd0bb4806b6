// The prize screen at the end of a game.
#pragma once

#include "core/TelaBase.h"

class frmPremioForm : public TelaBase {};

extern ui::FormRef<frmPremioForm> frmPremio;
