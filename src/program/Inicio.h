// The program's entry procedure and the state it starts from.
#pragma once

void Main();
// Connects the hooks through which lower layers reach higher ones.
void LigaCamadas();
// Puts the whole program's process-wide state back as it starts, hooks connected: every
// layer's state is restored here.
void RestauraEstado();
