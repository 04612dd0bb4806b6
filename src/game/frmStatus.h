// The prize-ladder screen between questions.
#pragma once

#include "core/Guarda.h"
#include "core/TelaBase.h"

class frmStatusForm : public TelaBase {};

extern ui::FormRef<frmStatusForm> frmStatus;

// Between questions the status screen is modal: the caller learns whether it may go on.
Guarda MostraStatus();
