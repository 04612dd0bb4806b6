// Scenario tests of the six helps, played on the game screen as a player does, with the help
// draws scripted where the outcome matters.
#include "GameSupport.h"

#include "screens/frmMenu.h"
#include "screens/frmPlacar.h"
#include "screens/frmPremio.h"

#include <deque>
#include <utility>

namespace {

using gametest::Jogo;
using Sons = std::vector<std::string>;

class Ajudas : public Jogo {
  protected:
    // The help draws give these values in turn; `pedidos` records the bounds each asked for.
    using Pedidos = std::vector<std::pair<int, int>>;
    Pedidos pedidos;
    void Sorteia(std::deque<std::int16_t> valores) {
        pedidos.clear();
        J().ajudas.sorteio = [this, fila = std::move(valores)](int menor, int maior) mutable {
            pedidos.emplace_back(menor, maior);
            const auto v = fila.front();
            fila.pop_front();
            return v;
        };
    }
    void PoeCerta(std::int16_t a) {
        AlternativaCerta[static_cast<std::size_t>(J().PerguntaAtual)] = a;
    }
    bool Coberta(int i) {
        return J().Ajuda[i].Visible() &&
               Mostra(J().Ajuda[i].Picture(), Grafico("tampaoajuda_" + std::to_string(i)));
    }
    static std::string Face(const std::string& nome) {
        return std::string(QV_GAME_DIR) + "/Package/Graficos/" + nome + ".bmp";
    }
    // When each answer went off the screen and "responda" began, 0 for never. A waited sound
    // moves the clock on at once, so it began at the pass before it was heard.
    struct Revelacao {
        std::uint32_t some[5] = {};
        std::uint32_t responda = 0;
        std::uint32_t ultimaPassagem = 0;
    };
    void Observa(gametest::Relogio& relogio, Revelacao& r) {
        relogio.acao = [this, &r] {
            for (int a = 1; a <= 4; ++a) {
                if (r.some[a] == 0 && !J().lblResposta[a].Visible()) {
                    r.some[a] = backend().Ticks();
                }
            }
            const auto efeitos = Efeitos();
            if (r.responda == 0 && !efeitos.empty() && efeitos.back() == "responda") {
                r.responda = r.ultimaPassagem;
            }
            r.ultimaPassagem = backend().Ticks();
        };
    }
    bool AlternativasVisiveis(std::vector<int> esperadas) {
        std::vector<int> vistas;
        for (int a = 1; a <= 4; ++a) {
            EXPECT_EQ(J().lblResposta[a].Visible(), J().lblRespSombra[a].Visible()) << a;
            if (J().lblResposta[a].Visible()) {
                vistas.push_back(a);
            }
        }
        return vistas == esperadas;
    }
};

TEST_F(Ajudas, HighlightsLightOneAtATimeAndANoLeavesTheHelpAvailable) {
    Comeca();
    for (int i = 0; i < 6; ++i) {
        SobreAjuda(i);
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(J().Ajuda[k].Visible(), k == i) << i << k;
        }
    }
    // Two left lit by a change of state: moving over one puts the other out.
    ASSERT_TRUE(Step([this] {
        J().Ajuda[0].Visible(true);
        J().Ajuda[5].Visible(true);
    }));
    SobreAjuda(5);
    EXPECT_FALSE(J().Ajuda[0].Visible());
    EXPECT_TRUE(J().Ajuda[5].Visible());

    const auto marca = Marca();
    ClicaAjuda(1);
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "temcerteza"}));
    EXPECT_EQ(J().confirmacao.Acao, 3);
    EXPECT_EQ(Mensagem(), "TEM CERTEZA?");
    EXPECT_EQ(J().lblResposta[1].MousePointer(), ui::vbArrow);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(J().Ajuda[i].Enabled()) << i;
    }
    ClicaNao();
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().lblResposta[1].MousePointer(), ui::vbCustom);
    EXPECT_FALSE(Sim(J().AjudaUsada[1]));
    EXPECT_TRUE(J().cronometro.Timer_Tempo.Enabled());
    ClicaAjuda(1);
    EXPECT_EQ(J().confirmacao.Acao, 3);
}

TEST_F(Ajudas, AnAnswerTakenDuringTheHelpsBlinkWinsOverTheHelp) {
    gametest::Relogio relogio(backend());
    Comeca();
    relogio.acao = [this, feito = false]() mutable {
        if (!feito && !J().Ajuda[2].Enabled()) {
            feito = true;
            Clica(100, ALTURA_RESPOSTA[3]);
        }
    };
    ClicaAjuda(2);
    RunFor(300);
    EXPECT_EQ(J().confirmacao.Acao, 1);
    EXPECT_EQ(J().confirmacao.RespostaEscolhida, 3);
    ClicaNao();
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_FALSE(J().Image_alt[3].Visible());
    EXPECT_TRUE(J().Ajuda[2].Enabled());
}

TEST_F(Ajudas, GuestsShowTheirOpinionsForTenSecondsOnTheirPanel) {
    gametest::Relogio relogio(backend());
    Comeca();
    PoeCerta(2);
    // Guest 1 does not know, guest 2 keeps the right one, guest 3 names alternative 3.
    Sorteia({2, 5, 3, 2, 3});
    PedeESim(1);
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().lblAjuda[0].Caption(), "?");
    EXPECT_EQ(J().lblAjuda[1].Caption(), "2");
    EXPECT_EQ(J().lblAjuda[2].Caption(), "3");
    EXPECT_EQ(J().lblAjuda[2].Left(), 152);
    EXPECT_EQ(J().lblAjuda[2].Top(), 136);
    EXPECT_FALSE(J().lblAjuda[3].Visible());
    EXPECT_TRUE(Mostra(J().pic_Ajuda.Picture(), Grafico("ajuda convidados")));
    EXPECT_TRUE(J().pic_Ajuda.Visible());
    EXPECT_EQ(J().pic_Ajuda.Left(), 376);
    EXPECT_EQ(J().pic_Ajuda.Top(), 163);
    EXPECT_TRUE(Coberta(1));
    EXPECT_EQ(J().lblResposta[1].MousePointer(), ui::vbCustom);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(J().Ajuda[i].Enabled()) << i;
    }

    // The bar empties by 9.25 a tick and the panel closes on the twentieth, with the bar gone.
    std::vector<float> larguras;
    std::uint32_t fechou = 0;
    relogio.acao = [&] {
        if (larguras.empty() || larguras.back() != J().barra.Width()) {
            larguras.push_back(J().barra.Width());
        }
        if (fechou == 0 && !J().pic_Ajuda.Visible()) {
            fechou = backend().Ticks();
        }
    };
    const auto abriu = backend().Ticks();
    RunFor(11000);
    ASSERT_EQ(larguras.size(), 21u);
    for (std::size_t k = 0; k < larguras.size(); ++k) {
        EXPECT_FLOAT_EQ(larguras[k], 185 - 9.25f * static_cast<float>(k)) << k;
    }
    EXPECT_NEAR(static_cast<double>(fechou - abriu), 10000, 5);
    EXPECT_TRUE(Coberta(1));
    EXPECT_FALSE(J().Ajuda[1].Enabled());
    for (int i : {0, 2, 3, 4, 5}) {
        EXPECT_TRUE(J().Ajuda[i].Enabled()) << i;
    }
    // The countdown ran on all the while.
    EXPECT_GE(J().cronometro.Tempo, 6);
}

TEST_F(Ajudas, BoardsPanelClosesOnAClickAndTheSecondPanelStartsAfresh) {
    Comeca();
    PoeCerta(4);
    PedeESim(1);
    Clica(376 + 92 + 5, 163 + 88 + 5); // on the first guest's label
    RunFor(1);
    EXPECT_FALSE(J().pic_Ajuda.Visible());
    EXPECT_TRUE(J().Ajuda[2].Enabled());
    RunFor(1000);

    // Every vote forced to the right alternative.
    std::deque<std::int16_t> votos(12, 1);
    for (int v = 0; v < 12; ++v) {
        votos.insert(votos.end(), {1, 1});
    }
    Sorteia(votos);
    const auto marca = Marca();
    PedeESim(2);
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "temcerteza", "tickone", "placas"}));
    const char* esperado[4] = {"0%", "0%", "0%", "100%"};
    const float x[4] = {32, 144, 84, 152}, y[4] = {48, 48, 112, 128};
    for (int a = 0; a < 4; ++a) {
        EXPECT_TRUE(J().lblAjuda[a].Visible()) << a;
        EXPECT_EQ(J().lblAjuda[a].Caption(), esperado[a]);
        EXPECT_EQ(J().lblAjuda[a].Left(), x[a]);
        EXPECT_EQ(J().lblAjuda[a].Top(), y[a]);
    }
    EXPECT_TRUE(Mostra(J().pic_Ajuda.Picture(), Grafico("ajuda placas")));
    EXPECT_EQ(J().ajudas.painel.TempoAjuda, 20);
    EXPECT_EQ(J().barra.Width(), 185);
    EXPECT_TRUE(Coberta(1) && Coberta(2));
    Clica(376 + 5, 163 + 5);
    RunFor(1);
    EXPECT_FALSE(J().pic_Ajuda.Visible());
    EXPECT_FALSE(J().ajudas.painel.Timer_Ajuda.Enabled());
    // The covers stay under the pointer.
    SobreAjuda(2);
    Move(10, 10);
    RunFor(1);
    EXPECT_TRUE(Coberta(1) && Coberta(2));
}

// A level without rows leaves the question with a right alternative of 0, which no
// alternative matches: the votes forced to it count for none, and the sum is nudged once.
TEST_F(Ajudas, BoardsAndGuestsOnALevelWithoutRowsNameNoAlternative) {
    Comeca();
    PoeCerta(0);
    std::deque<std::int16_t> votos(12, 1);
    for (int v = 0; v < 12; ++v) {
        votos.insert(votos.end(), {1, 1});
    }
    Sorteia(votos);
    PedeESim(2);
    const char* esperado[4] = {"1%", "0%", "0%", "0%"};
    for (int a = 0; a < 4; ++a) {
        EXPECT_EQ(J().lblAjuda[a].Caption(), esperado[a]);
    }
    Clica(376 + 5, 163 + 5);
    RunFor(1);
    Sorteia({1, 1, 2, 1});
    PedeESim(1);
    EXPECT_EQ(J().lblAjuda[0].Caption(), "0");
    EXPECT_EQ(J().lblAjuda[2].Caption(), "1");
    EXPECT_TRUE(frmJogo.Loaded());
}

// Each vote's second draw is Aleatorio(1, Aleatorio(0, 2) + the level of the question asked).
TEST_F(Ajudas, BoardsLeanByTheLevelTheGameHasReached) {
    Comeca();
    for (int q = 1; q <= 5; ++q) {
        Acerta();
    }
    ASSERT_EQ(Nivel, 2);
    std::deque<std::int16_t> votos(12, 1);
    for (int v = 0; v < 12; ++v) {
        votos.insert(votos.end(), {1, 2});
    }
    Sorteia(votos);
    PedeESim(2);
    ASSERT_EQ(pedidos.size(), 36u);
    for (std::size_t v = 12; v < 36; v += 2) {
        EXPECT_EQ(pedidos[v], std::make_pair(0, 2));
        EXPECT_EQ(pedidos[v + 1], std::make_pair(1, 3));
    }
}

TEST_F(Ajudas, CardsHoverThenThreeWrongAnswersGoWithAWaitAfterEveryExaminedOneButTheLast) {
    gametest::Relogio relogio(backend());
    Comeca();
    PoeCerta(2);
    PedeESim(0);
    EXPECT_EQ(J().confirmacao.Acao, 51);
    EXPECT_TRUE(J().PicCartas.Visible());
    EXPECT_EQ(J().PicCartas.Left(), 373);
    EXPECT_TRUE(Coberta(0));

    // Only the card under the pointer shows its highlight; off the cards none does.
    Move(CARTAS_X + CARTA[1][0], CARTAS_Y + CARTA[1][1]);
    RunFor(1);
    Move(CARTAS_X + CARTA[2][0], CARTAS_Y + CARTA[2][1]);
    RunFor(1);
    EXPECT_TRUE(Mostra(J().carta[2].Picture(), Grafico("cartasover-3")));
    EXPECT_FALSE(J().carta[1].Picture());
    Move(CARTAS_X + 5, CARTAS_Y + 5);
    RunFor(1);
    for (int k = 0; k < 4; ++k) {
        EXPECT_FALSE(J().carta[k].Picture()) << k;
    }
    // The stage does the same, and offers neither stop nor a help.
    Move(CARTAS_X + CARTA[3][0], CARTAS_Y + CARTA[3][1]);
    RunFor(1);
    Move(320, 400);
    RunFor(1);
    EXPECT_FALSE(J().carta[3].Picture());
    EXPECT_FALSE(J().botao[2].Visible());

    Revelacao r;
    Observa(relogio, r);
    Sorteia({3});
    const auto marca = Marca();
    ClicaCarta(1);
    EXPECT_TRUE(Mostra(J().carta[1].Picture(), Face("3-2")));
    RunFor(10000);
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "eliminarerradas", "responda"}));
    EXPECT_TRUE(AlternativasVisiveis({2}));
    EXPECT_EQ(r.some[2], 0u);
    EXPECT_NEAR(static_cast<double>(r.some[3] - r.some[1]), 1000, 5);
    EXPECT_NEAR(static_cast<double>(r.some[4] - r.some[3]), 500, 5);
    EXPECT_LT(r.responda - r.some[4], 100u);
    EXPECT_FALSE(J().PicCartas.Visible());
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().lblResposta[2].MousePointer(), ui::vbCustom);
    EXPECT_FALSE(J().Ajuda[0].Enabled());
    EXPECT_TRUE(J().Ajuda[1].Enabled());

    // The next question shows all four again.
    Acerta();
    EXPECT_TRUE(AlternativasVisiveis({1, 2, 3, 4}));
}

TEST_F(Ajudas, CardsOneWrongAnswerGoesWithoutWaitingAndZeroTakesNone) {
    {
        gametest::Relogio relogio(backend());
        Comeca();
        PoeCerta(4);
        PedeESim(0);
        Revelacao r;
        Observa(relogio, r);
        Sorteia({1});
        const auto marca = Marca();
        ClicaCarta(3);
        RunFor(5000);
        // A card may show 0 to 3.
        EXPECT_EQ(pedidos, (Pedidos{{0, 3}}));
        EXPECT_TRUE(AlternativasVisiveis({2, 3, 4}));
        EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "eliminarerradas", "responda"}));
        EXPECT_LT(r.responda - r.some[1], 100u);
        EXPECT_EQ(J().confirmacao.Acao, 0);
    }

    Acerta();
    // Used: its cover takes no click on the next question.
    EXPECT_TRUE(Coberta(0));
    SobreAjuda(0);
    ClicaAjuda(0);
    EXPECT_EQ(J().confirmacao.Acao, 0);

    // A zero on a fresh game: nothing removed, no "responda".
    frmJogo->Unload();
    Comeca();
    PedeESim(0);
    Sorteia({0});
    const auto marca = Marca();
    // A second press, on another card, comes while the first turns and does nothing.
    Clica(CARTAS_X + CARTA[0][0], CARTAS_Y + CARTA[0][1]);
    Clica(CARTAS_X + CARTA[2][0], CARTAS_Y + CARTA[2][1]);
    RunFor(1);
    EXPECT_TRUE(Mostra(J().carta[0].Picture(), Face("0-1")));
    EXPECT_FALSE(J().carta[2].Picture());
    // The face stays under a moving pointer until the panel goes.
    Move(CARTAS_X + 5, CARTAS_Y + 5);
    RunFor(1);
    EXPECT_TRUE(Mostra(J().carta[0].Picture(), Face("0-1")));
    RunFor(5000);
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "tirouzero"}));
    EXPECT_TRUE(AlternativasVisiveis({1, 2, 3, 4}));
    EXPECT_FALSE(J().PicCartas.Visible());
    EXPECT_EQ(J().confirmacao.Acao, 0);
}

TEST_F(Ajudas, TimeOutDuringTheRevealEndsTheGameAndTheRevealStops) {
    gametest::Relogio relogio(backend());
    Comeca();
    PoeCerta(2);
    PedeESim(0);
    Sorteia({3});
    gametest::TempoAcabaQuando(relogio, backend(), J(),
                               [this] { return !J().lblResposta[1].Visible(); });
    const auto marca = Marca();
    ClicaCarta(0);
    RunFor(5000);
    EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "eliminarerradas", "tempoesg"}));
    EXPECT_TRUE(AlternativasVisiveis({2, 3, 4}));
    EXPECT_TRUE(J().PicCartas.Visible());
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
}

TEST_F(Ajudas, TimeOutWhileThePanelIsOpenOrItsSoundPlaysEndsTheGameOnce) {
    {
        Comeca();
        PedeESim(2);
        ASSERT_TRUE(J().pic_Ajuda.Visible());
        const auto marca = Marca();
        RunFor(42000);
        EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
        EXPECT_EQ(Efeitos(marca), (Sons{"tempoacabando", "tempoesg"}));
        EXPECT_TRUE(frmMenu.Loaded());
        frmMenu->Unload();
    }
    gametest::Relogio relogio(backend());
    Comeca();
    ClicaAjuda(1);
    // At the pass before the guests' sound: yes has blinked and gone.
    gametest::TempoAcabaQuando(relogio, backend(), J(), [this] {
        return J().confirmacao.Acao == 3 && !J().botao[0].Visible() && Mensagem().empty();
    });
    ClicaSim();
    RunFor(1000);
    EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
    EXPECT_FALSE(J().pic_Ajuda.Visible());
    EXPECT_FALSE(Sim(J().AjudaUsada[1]));
    EXPECT_TRUE(frmMenu.Loaded());
}

TEST_F(Ajudas, SkipsAskTheNextRowAtTheSameStepAndLastOneAtATime) {
    Comeca();
    const auto marca = Marca();
    PedeESim(3);
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "temcerteza", "tickone", "pular", "qualaresposta"}));
    EXPECT_GE(Conta("MMControl2 stop", marca), 1);
    EXPECT_EQ(statusVistos, 1);
    EXPECT_EQ(NumPergunta, 1);
    EXPECT_EQ(J().PerguntaAtual, 2);
    EXPECT_EQ(J().lblPergunta.Caption(), Perguntas[2]);
    EXPECT_EQ(J().cronometro.Tempo, 1);
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_TRUE(Coberta(3));
    EXPECT_FALSE(J().Ajuda[3].Enabled());

    // The two others on the same question, then the ladder has not moved.
    PedeESim(4);
    PedeESim(5);
    EXPECT_EQ(J().PerguntaAtual, 4);
    EXPECT_EQ(statusVistos, 3);
    EXPECT_EQ(NumPergunta, 1);
    EXPECT_EQ(Nivel, 1);
    EXPECT_TRUE(Coberta(4) && Coberta(5));

    // A used skip asked for again says so and leaves nothing pending.
    ASSERT_TRUE(Step([this] { J().ajudas.PedePulo(3); }));
    ASSERT_FALSE(backend().Messages().empty());
    EXPECT_EQ(backend().Messages().back().text, "ja usou esse pulo!");
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().lblResposta[1].MousePointer(), ui::vbCustom);

    ClicaParar();
    ClicaSim();
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_TRUE(frmMenu.Loaded());
}

TEST_F(Ajudas, SkipAfterTheCardsBringsAllFourAnswersBack) {
    Comeca();
    PoeCerta(1);
    PedeESim(0);
    Sorteia({3});
    ClicaCarta(2);
    RunFor(10000);
    ASSERT_TRUE(AlternativasVisiveis({1}));
    PedeESim(4);
    EXPECT_EQ(J().PerguntaAtual, 2);
    EXPECT_TRUE(AlternativasVisiveis({1, 2, 3, 4}));
}

TEST_F(Ajudas, SkipAfterALevelChangeAsksTheNextRowOfTheNewLevel) {
    Comeca();
    for (int q = 1; q <= 5; ++q) {
        Acerta();
    }
    ASSERT_EQ(Nivel, 2);
    const auto linha = J().PerguntaAtual;
    PedeESim(5);
    EXPECT_EQ(J().PerguntaAtual, linha + 1);
    EXPECT_EQ(J().lblPergunta.Caption(), Perguntas[static_cast<std::size_t>(linha + 1)]);
    EXPECT_EQ(NumPergunta, 6);
    EXPECT_EQ(Nivel, 2);
    Acerta();
    EXPECT_EQ(NumPergunta, 7);
}

// The first game stops at level 2 with a help used and its panel open; the second game of the
// run starts as the first did.
TEST_F(Ajudas, ASecondGameStartsCleanAfterAStopAtLevelTwo) {
    Comeca();
    for (int q = 1; q <= 5; ++q) {
        Acerta();
    }
    PedeESim(1);
    ClicaParar();
    ClicaSim();
    ASSERT_FALSE(frmJogo.Loaded());
    ASSERT_EQ(Nivel, 2);
    ASSERT_NE(IndicePremio, 0);
    ASSERT_TRUE(Step([] {
        frmPremio->Unload();
        frmPlacar->Unload();
    }));

    Comeca();
    EXPECT_EQ(Nivel, 1);
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_EQ(J().PerguntaAtual, 1);
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().cronometro.Tempo, 1);
    EXPECT_FALSE(J().pic_Ajuda.Visible());
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(Sim(J().AjudaUsada[static_cast<std::size_t>(i)])) << i;
        EXPECT_TRUE(J().Ajuda[i].Enabled()) << i;
    }
    EXPECT_TRUE(Mostra(J().Imagem_Valores.Picture(),
                       std::string(QV_GAME_DIR) + "/Package/Graficos/valores 01.bmp"));
}

TEST_F(Ajudas, TheLastQuestionHasAllSixCoveredAndNoneTakesAClick) {
    Comeca();
    PedeESim(2);
    for (int q = 1; q <= 15; ++q) {
        Acerta();
    }
    ASSERT_EQ(NumPergunta, 16);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(Sim(J().AjudaUsada[static_cast<std::size_t>(i)])) << i;
        EXPECT_TRUE(Coberta(i)) << i;
        EXPECT_FALSE(J().Ajuda[i].Enabled()) << i;
    }
    const auto marca = Marca();
    ClicaAjuda(0);
    ClicaAjuda(4);
    EXPECT_EQ(Efeitos(marca), Sons{});
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_TRUE(Coberta(0) && Coberta(4));
}

TEST_F(Ajudas, TestButtonsRunTheGuestsAndTheBoardsAtOnce) {
    Comeca();
    PressKey('8', 1, '*');
    RunFor(1);
    Clica(28 + 5, 5);
    RunFor(100);
    EXPECT_TRUE(J().pic_Ajuda.Visible());
    EXPECT_TRUE(Coberta(1));
    Clica(56 + 5, 5);
    RunFor(100);
    EXPECT_TRUE(J().lblAjuda[3].Visible());
    EXPECT_TRUE(Coberta(2));
    EXPECT_EQ(J().ajudas.painel.TempoAjuda, 20);
}

} // namespace
