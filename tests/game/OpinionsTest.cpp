// The guests' and the audience's draws: the percentages that must add up to 100, and the shares
// of many polls on the game's own random numbers against the odds they are built for.
#include "core/Espera.h"
#include "game/frmJogoOpinioes.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Quatro = std::array<std::int16_t, 4>;

TEST(Percentuais, TwelveVotesAlwaysShowAHundredNudgingTheFirstThatCanMove) {
    struct Caso {
        Quatro votos, mostrados;
    };
    const Caso casos[] = {
        {{1, 1, 1, 9}, {9, 8, 8, 75}},    // 99: the first gains
        {{2, 2, 2, 6}, {16, 17, 17, 50}}, // 101: the first loses
        {{0, 4, 4, 4}, {1, 33, 33, 33}},  // 99: the first gains though nobody voted for it
        {{0, 2, 5, 5}, {0, 16, 42, 42}},  // 101: the first is at 0, the second loses
        {{3, 3, 3, 3}, {25, 25, 25, 25}}, {{0, 0, 0, 12}, {0, 0, 0, 100}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Percentuais(c.votos), c.mostrados);
    }
    // Every way of splitting twelve votes adds up to 100 with one share moved by at most 1.
    for (std::int16_t a = 0; a <= 12; ++a) {
        for (std::int16_t b = 0; a + b <= 12; ++b) {
            for (std::int16_t c = 0; a + b + c <= 12; ++c) {
                const Quatro votos{a, b, c, static_cast<std::int16_t>(12 - a - b - c)};
                const auto pct = Percentuais(votos);
                int soma = 0, mudados = 0;
                for (std::size_t i = 0; i < 4; ++i) {
                    soma += pct[i];
                    const double exato = votos[i] * 100.0 / 12;
                    EXPECT_LE(std::abs(pct[i] - exato), 1.5);
                    mudados += pct[i] != std::lround(exato);
                }
                EXPECT_EQ(soma, 100);
                EXPECT_LE(mudados, 1);
            }
        }
    }
}

// Shares within six standard deviations: a false alarm is far rarer than one in a million.
void EsperaFatia(int vistos, int total, double chance, const std::string& oQue) {
    const double desvio = std::sqrt(chance * (1 - chance) / total);
    EXPECT_NEAR(static_cast<double>(vistos) / total, chance, 6 * desvio + 1e-9) << oQue;
}

TEST(Opinioes, GuestsNameTheRightOneMostlyAndTheFirstAlternativeLeast) {
    constexpr int RODADAS = 20000;
    for (std::int16_t certa : {1, 3}) {
        std::array<int, 6> vistos{};
        for (int r = 0; r < RODADAS; ++r) {
            for (const auto o : OpinioesConvidados(certa, Aleatorio)) {
                ASSERT_GE(o, 1);
                ASSERT_LE(o, NAO_SABE);
                ++vistos[static_cast<std::size_t>(o)];
            }
        }
        const std::string caso = "right " + std::to_string(certa);
        for (int a = 1; a <= 4; ++a) {
            double chance = 1.0 / 12;
            if (a == certa) {
                chance = certa == 1 ? 17.0 / 24 : 3.0 / 4;
            } else if (a == 1) {
                chance = 1.0 / 24;
            }
            EsperaFatia(vistos[static_cast<std::size_t>(a)], 3 * RODADAS, chance,
                        caso + ", alternative " + std::to_string(a));
        }
        EsperaFatia(vistos[NAO_SABE], 3 * RODADAS, 1.0 / 24, caso + ", ?");
    }
}

TEST(Opinioes, BoardsLeanLessTowardsTheRightOneAsTheLevelRises) {
    constexpr int RODADAS = 4000;
    // The share of a vote forced to the right one; the rest follow the first pass, where the
    // middle alternatives come up twice as often as the ends.
    const double forcado[4] = {0, 9.0 / 16, 7.0 / 24, 17.0 / 96};
    const double primeira[5] = {0, 1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6};
    const double certaNaPonta[4] = {0, 61.0 / 96, 59.0 / 144, 181.0 / 576};
    const double certaNoMeio[4] = {0, 17.0 / 24, 19.0 / 36, 65.0 / 144};
    for (std::int16_t nivel = 1; nivel <= 3; ++nivel) {
        for (std::int16_t certa : {1, 2}) {
            std::array<int, 4> votos{};
            for (int r = 0; r < RODADAS; ++r) {
                const auto contagem = VotosPlacas(certa, nivel, Aleatorio);
                for (std::size_t a = 0; a < 4; ++a) {
                    votos[a] += contagem[a];
                }
            }
            const auto n = static_cast<std::size_t>(nivel);
            const std::string caso =
                "level " + std::to_string(nivel) + ", right " + std::to_string(certa);
            EsperaFatia(votos[static_cast<std::size_t>(certa - 1)], 12 * RODADAS,
                        certa == 1 ? certaNaPonta[n] : certaNoMeio[n], caso);
            for (int a = 1; a <= 4; ++a) {
                if (a != certa) {
                    EsperaFatia(votos[static_cast<std::size_t>(a - 1)], 12 * RODADAS,
                                (1 - forcado[n]) * primeira[a],
                                caso + ", alternative " + std::to_string(a));
                }
            }
        }
    }
}

} // namespace
