// The prize-ladder screen between questions.
#pragma once

#include "core/TelaBase.h"

class frmStatusForm : public TelaBase {};

extern ui::FormRef<frmStatusForm> frmStatus;
