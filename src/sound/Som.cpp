#include "sound/Som.h"

// Silent until the sound module is built.
void FechaNarracao() {}
void PararTodosSons() {}
