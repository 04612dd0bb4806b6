// The fixed prize ladder: 23 rungs, each an amount and the label the score board shows.
#pragma once

#include <cstdint>
#include <string>

void MontaPremios();

// A rung's amount and label; a rung beyond the ladder (from a damaged settings file) has
// neither, so it reads as the empty text instead of indexing past the ladder.
const std::string& ValorDoDegrau(std::uint8_t degrau);
const std::string& TextoDoDegrau(std::uint8_t degrau);
// Whether the ladder has the rung: a damaged settings file may hold any byte.
bool DegrauExiste(std::uint8_t degrau);
