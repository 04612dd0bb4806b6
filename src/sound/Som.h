// Sound effects, narration and music.
#pragma once

#include <cstdint>
#include <string>

// Effects: flags 3 play in the background, 2 wait for the end; a missing file is silent.
void TocaSom(const std::string& nome, int flags = 3);
void TocaSomVariado(const std::string& nome, int flags = 3);
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
