// The program folder, the content root named by "cd.ini", and the folders derived from them.
#pragma once

#include "core/Globais.h"

#include <string>

void DefinePastas();
std::string LeCdIni();
bool ExisteSetupLst();

namespace ui {
class DataControl;
}
// Points the data control at a database of the program's graphics folder; opens nothing.
void AbreBanco(ui::DataControl& dtSC, const std::string& nome);

// ASCII upper case; other bytes (accented letters in UTF-8) are kept.
std::string Maiusculas(std::string texto);
