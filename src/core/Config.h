// The settings file "config.ini": display mode, window position, switches, the last player
// name and the five-row score board.
#pragma once

void LeConfig();
void SalvaConfig();
void ZeraPlacar();
