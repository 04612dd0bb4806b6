// The rungs a game's end keeps, checked against the amounts of the prize ladder.
#include "core/Globais.h"
#include "core/Premios.h"
#include "game/frmJogoFluxo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

long Valor(int rung) {
    return std::stol(PremioValor.at(static_cast<std::size_t>(rung)));
}

TEST(TabelaPremio, StopKeepsTheLastRightAnswerAndWrongKeepsHalfOfIt) {
    MontaPremios();
    const auto tabela = TabelaPremio();
    EXPECT_EQ(tabela[0].acerto, 0);
    EXPECT_EQ(tabela[1].errou, 0);
    EXPECT_EQ(tabela[1].parou, 0);
    EXPECT_EQ(tabela[16].errou, 0);
    EXPECT_EQ(tabela[16].acerto, 22);
    for (int q = 1; q <= 16; ++q) {
        const auto& linha = tabela[static_cast<std::size_t>(q)];
        EXPECT_GT(linha.acerto, tabela[static_cast<std::size_t>(q - 1)].acerto) << q;
        EXPECT_EQ(linha.parou, tabela[static_cast<std::size_t>(q - 1)].acerto) << q;
        if (q >= 2 && q <= 15) {
            EXPECT_EQ(2 * Valor(linha.errou), Valor(linha.parou)) << q;
        }
    }
    // Rungs reached only as halves.
    for (int rung : {1, 3, 5, 10, 12, 17}) {
        for (const auto& linha : tabela) {
            EXPECT_NE(linha.acerto, rung);
        }
    }
}

} // namespace
