#include "core/Premios.h"
#include "core/Globais.h"

#include <gtest/gtest.h>

TEST(Premios, LadderEndsAndLabels) {
    MontaPremios();
    EXPECT_EQ(PremioValor[0], "0");
    EXPECT_EQ(PremioTexto[0], "0");
    EXPECT_EQ(PremioTexto[1], "500");
    EXPECT_EQ(PremioTexto[3], "1500");
    EXPECT_EQ(PremioTexto[5], "2500");
    EXPECT_EQ(PremioTexto[2], "1 MIL");
    EXPECT_EQ(PremioValor[22], "1000000");
    EXPECT_EQ(PremioTexto[22], "1 MILHÃO");
    EXPECT_EQ(PremioValor[23], "");
    EXPECT_EQ(PremioTexto[23], "");
}
