// The program's entry procedure and the opening of the status screen between questions.
#pragma once

#include "core/Guarda.h"

void Main();
// Between questions the status screen is modal: the caller learns whether it may go on.
Guarda MostraStatus();
