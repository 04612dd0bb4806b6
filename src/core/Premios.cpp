#include "core/Premios.h"

#include "core/Globais.h"

#include <array>

void MontaPremios() {
    static const char* const valores[RUNGS] = {
        "0",      "500",    "1000",   "1500",   "2000",   "2500",   "3000",   "4000",
        "5000",   "10000",  "15000",  "20000",  "25000",  "30000",  "40000",  "50000",
        "100000", "150000", "200000", "300000", "400000", "500000", "1000000"};
    static const char* const textos[RUNGS] = {
        "0",       "500",     "1 MIL",   "1500",    "2 MIL",   "2500",    "3 MIL",   "4 MIL",
        "5 MIL",   "10 MIL",  "15 MIL",  "20 MIL",  "25 MIL",  "30 MIL",  "40 MIL",  "50 MIL",
        "100 MIL", "150 MIL", "200 MIL", "300 MIL", "400 MIL", "500 MIL", "1 MILHÃO"};
    for (int i = 0; i < RUNGS; ++i) {
        PremioValor[i] = valores[i];
    }
    for (int i = 0; i < RUNGS; ++i) {
        PremioTexto[i] = textos[i];
    }
}

namespace {

const std::string& DoDegrau(const std::array<std::string, 24>& escada, std::uint8_t degrau) {
    static const std::string vazio;
    return DegrauExiste(degrau) ? escada[degrau] : vazio;
}

} // namespace

const std::string& ValorDoDegrau(std::uint8_t degrau) {
    return DoDegrau(PremioValor, degrau);
}

const std::string& TextoDoDegrau(std::uint8_t degrau) {
    return DoDegrau(PremioTexto, degrau);
}

bool DegrauExiste(std::uint8_t degrau) {
    return degrau < RUNGS;
}
