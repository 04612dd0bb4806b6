// Waits that keep the screens responsive, the blink of a clicked button, and random numbers.
#pragma once

#include "core/Globais.h"
#include "core/Guarda.h"
#include "platform/Controls.h"

#include <cstdint>

// Each wait answers whether the waiting handler may go on (see Guarda).
Guarda Espera(int ms);
Guarda PiscaControle(ui::Control& ctl, int vezes, int ms);

// Folds the time of day into the generator without restarting its sequence.
void Randomize();
std::int16_t Aleatorio(int menor, int maior);
Guarda Embaralha(int quantidade, int menor, int maior);
// Embaralha's draw without its busy pointer, for a caller that holds the pointer busy over
// many draws. The first draw handles the pending events when `consultaJa` says so, as every
// Embaralha does; the others at most once a millisecond.
Guarda SorteiaDistintos(int quantidade, int menor, int maior, bool consultaJa);
bool NumeroInedito(int valor, int k);
