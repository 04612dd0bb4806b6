#include "sound/Som.h"

// Silent until the sound module is built.
void TocaSom(const std::string&, int) {}
void AbreNarracao(const std::string&) {}
void TocaNarracao(const std::string&) {}
void ParaNarracao() {}
void FechaNarracao() {}
void AbreMusica(const std::string&, const std::string&) {}
void PararTodosSons() {}
