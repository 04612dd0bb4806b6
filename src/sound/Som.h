// Sound effects, narration and music.
#pragma once

#include "core/Guarda.h"

#include <cstdint>
#include <string>

// A number in a file name: at least two digits, with a leading zero ("01", "12").
std::string DoisDigitos(int n);

// Effects: flags 3 play in the background, 2 wait for the end; a missing file is silent.
// Pending events are handled before an effect plays, so the caller learns whether it may
// go on.
Guarda TocaSom(const std::string& nome, int flags = 3);
Guarda TocaSomVariado(const std::string& nome, int flags = 3);
std::int16_t ContaVariacoes(const std::string& nome);
void SilenciaEfeito();

// Narration and music.
void AbreNarracao(const std::string& nome);
void TocaNarracao(const std::string& modo);
void ParaNarracao();
void FechaNarracao();
void AbreMusica(const std::string& nome, const std::string& modo);
void VoltaMusica();
void TocaMusica();
void ParaMusica();
void SilenciaSons();
void PararTodosSons();
