// The congratulations screen after the top prize.
#pragma once

#include "core/TelaBase.h"

class frmParabensForm : public TelaBase {};

extern ui::FormRef<frmParabensForm> frmParabens;
