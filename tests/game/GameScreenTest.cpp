// Scenario tests of the game screen: questions played as a player plays them, on the generated
// content and the virtual clock.
#include "GameSupport.h"

#include "db/DbTestSupport.h"

#include "platform/Text.h"
#include "screens/frmMenu.h"
#include "screens/frmParabens.h"
#include "screens/frmPremio.h"

#include <algorithm>

namespace {

using gametest::Jogo;
using gametest::TempoAcabaQuando;
using Sons = std::vector<std::string>;

TEST_F(Jogo, RightAnswersClimbTheLevelsFromTheirSecondRowToTheWin) {
    Comeca();
    EXPECT_FALSE(Sim(NovoJogo));
    EXPECT_EQ(J().lblPergunta.Caption(), Perguntas[1]);
    EXPECT_EQ(J().lblSombraPergunta.Caption(), Perguntas[1]);
    EXPECT_TRUE(Mostra(J().Image_Tempo.Picture(), Grafico("01")));
    EXPECT_TRUE(Mostra(J().Imagem_Valores.Picture(),
                       std::string(QV_GAME_DIR) + "/Package/Graficos/valores 01.bmp"));
    EXPECT_EQ(Efeitos(), Sons{"qualaresposta"});
    EXPECT_EQ(audio().Log().back(), "MMControl2 play");
    EXPECT_FALSE(J().lblMSG.Visible());

    for (int q = 1; q <= 15; ++q) {
        const auto marca = Marca();
        Acerta();
        ASSERT_TRUE(frmJogo.Loaded()) << q;
        EXPECT_EQ(NumPergunta, q + 1);
        EXPECT_EQ(statusVistos, q);
        EXPECT_EQ(Efeitos(marca),
                  (Sons{"click", "temcerteza", "tickone", "acerto", "qualaresposta"}));
        EXPECT_EQ(Conta("MMControl2 stop", marca), 1);
        // The new question starts its countdown at the first picture, nothing marked.
        EXPECT_TRUE(Mostra(J().Image_Tempo.Picture(), Grafico("01")));
        EXPECT_EQ(J().cronometro.Tempo, 1);
        EXPECT_EQ(J().confirmacao.Acao, 0);
        EXPECT_EQ(Mensagem(), "");
        for (int i = 1; i <= 4; ++i) {
            EXPECT_EQ(J().lblResposta[i].ForeColor(), 0xFFFFFFu);
            EXPECT_FALSE(J().Image_alt[i].Visible());
        }
        if (q == 5 || q == 10) {
            EXPECT_EQ(Nivel, q == 5 ? 2 : 3);
            EXPECT_EQ(J().PerguntaAtual, 2);
            EXPECT_EQ(J().lblPergunta.Caption(), Perguntas[2]);
        }
    }
    EXPECT_TRUE(Mostra(J().Imagem_Valores.Picture(),
                       std::string(QV_GAME_DIR) + "/Package/Graficos/valores 16.bmp"));
    const auto marca = Marca();
    ClicaResposta(Certa());
    ClicaSim();
    EXPECT_EQ(Mensagem(), "GANHOU!!!");
    EXPECT_EQ(Efeitos(marca), (Sons{"click", "temcerteza", "tickone", "ganhou"}));
    EXPECT_EQ(statusVistos, 15);
    EXPECT_EQ(IndicePremio, 22);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmParabens.Loaded());
}

// The throttle on frames must not hold back a question while its first sound blocks.
TEST_F(Jogo, EachQuestionIsOnScreenWhenItsFirstSoundBegins) {
    Comeca();
    std::vector<std::string> perguntas{J().lblPergunta.Caption()};
    for (int q = 1; q <= 6; ++q) {
        Acerta();
        perguntas.push_back(J().lblPergunta.Caption());
    }
    std::vector<std::string> vistas;
    for (const auto& efeito : audio().Effects()) {
        if (efeito.path.find("qualaresposta") == std::string::npos) {
            continue;
        }
        const ui::HeadlessBackend::Frame* ultimo = nullptr;
        for (const auto& frame : backend().PresentedFrames()) {
            if (static_cast<std::int32_t>(frame.at - efeito.at) <= 0) {
                ultimo = &frame;
            }
        }
        ASSERT_NE(ultimo, nullptr);
        const auto& legendas = ultimo->captions;
        const std::string& esperada = perguntas[vistas.size()];
        vistas.push_back(std::find(legendas.begin(), legendas.end(), esperada) != legendas.end()
                             ? esperada
                             : "");
    }
    EXPECT_EQ(vistas, perguntas);
}

TEST_F(Jogo, StopOnTheSecondQuestionKeepsTheFirstStep) {
    Comeca();
    Acerta();
    const auto marca = Marca();
    ClicaParar();
    EXPECT_EQ(J().confirmacao.Acao, 6);
    EXPECT_EQ(Mensagem(), "TEM CERTEZA?");
    ClicaSim();
    EXPECT_EQ(Mensagem(), "PAROU!");
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "temcerteza", "tickone", "parar"}));
    EXPECT_EQ(IndicePremio, 2);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmPremio.Loaded());
    EXPECT_FALSE(J().cronometro.Timer_Tempo.Enabled());
}

TEST_F(Jogo, WrongAnswersKeepHalfButNothingOnTheFirstAndTheLast) {
    Comeca();
    ClicaResposta(Errada());
    ClicaSim();
    EXPECT_EQ(Mensagem(), "ERROU!");
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_TRUE(frmMenu.Loaded());
    EXPECT_FALSE(frmPremio.Loaded());
    frmMenu->Unload();

    Comeca();
    Acerta();
    auto marca = Marca();
    ClicaResposta(Errada());
    ClicaSim();
    EXPECT_EQ(Efeitos(marca), (Sons{"click", "temcerteza", "tickone", "errar"}));
    EXPECT_EQ(IndicePremio, 1);
    EXPECT_TRUE(frmPremio.Loaded());
    frmPremio->Unload();

    Comeca();
    for (int q = 1; q <= 15; ++q) {
        Acerta();
    }
    ASSERT_EQ(NumPergunta, 16);
    ClicaResposta(Errada());
    ClicaSim();
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_TRUE(frmPremio.Loaded());
    EXPECT_FALSE(frmMenu.Loaded());
}

TEST_F(Jogo, AQuestionLeftAloneEndsAt42SecondsWithTheLastPictureShown) {
    Comeca();
    const auto marca = Marca();
    RunFor(23999);
    EXPECT_TRUE(Mostra(J().Image_Tempo.Picture(), Grafico("12")));
    EXPECT_EQ(Efeitos(marca), Sons{});
    RunFor(1);
    EXPECT_TRUE(Mostra(J().Image_Tempo.Picture(), Grafico("13")));
    EXPECT_EQ(Efeitos(marca), Sons{"tempoacabando"});
    RunFor(41999 - 24000);
    EXPECT_TRUE(frmJogo.Loaded());
    EXPECT_TRUE(Mostra(J().Image_Tempo.Picture(), Grafico("21")));
    RunFor(1);
    EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
    EXPECT_TRUE(Mostra(J().Image_Tempo.Picture(), Grafico("21")));
    EXPECT_EQ(Efeitos(marca), (Sons{"tempoacabando", "tempoesg"}));
    EXPECT_GE(Conta("MMControl2 stop", marca), 1);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
    EXPECT_EQ(IndicePremio, 0);
}

TEST_F(Jogo, TimeOutAfterTheFirstStepOpensThePrizeScreenWithNothingWon) {
    Comeca();
    Acerta();
    RunFor(42000);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmPremio.Loaded());
    EXPECT_EQ(IndicePremio, 0);
}

TEST_F(Jogo, NoAfterAnAnswerReopensTheQuestionWhileTheCountdownRuns) {
    Comeca();
    ClicaResposta(1);
    EXPECT_EQ(J().lblResposta[1].ForeColor(), 0x00FFFFu);
    EXPECT_TRUE(J().Image_alt[1].Visible());
    EXPECT_EQ(J().lblResposta[3].MousePointer(), ui::vbArrow);
    EXPECT_EQ(Mensagem(), "TEM CERTEZA?");
    EXPECT_EQ(J().lblMSGSombra.Caption(), "TEM CERTEZA?");

    // Pending: another answer is not taken, the stage keeps the mark and offers yes and no.
    const auto marca = Marca();
    ClicaResposta(2);
    EXPECT_EQ(Efeitos(marca), Sons{});
    EXPECT_EQ(J().confirmacao.RespostaEscolhida, 1);
    Move(320, 400);
    RunFor(1);
    EXPECT_FALSE(J().botao[2].Visible());
    EXPECT_EQ(J().lblResposta[1].ForeColor(), 0x00FFFFu);
    Move(150, 400);
    RunFor(1);
    EXPECT_TRUE(J().botao[0].Visible());

    ClicaNao();
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().lblResposta[1].ForeColor(), 0xFFFFFFu);
    EXPECT_FALSE(J().Image_alt[1].Visible());
    EXPECT_EQ(J().lblResposta[3].MousePointer(), ui::vbCustom);
    EXPECT_EQ(Mensagem(), "");
    EXPECT_TRUE(J().cronometro.Timer_Tempo.Enabled());
    RunFor(2000);
    EXPECT_EQ(J().cronometro.Tempo, 2);

    ClicaResposta(2);
    EXPECT_EQ(J().confirmacao.RespostaEscolhida, 2);
    EXPECT_EQ(J().lblResposta[2].ForeColor(), 0x00FFFFu);
}

// A click made while a waited sound holds the events back counts where it was made, however
// the pointer moved before it is handled: onto another answer, or off the answers.
TEST_F(Jogo, AQueuedClickMarksTheAnswerItWasMadeOn) {
    Comeca();
    for (const float depois : {ALTURA_RESPOSTA[3], 440.0f}) {
        const auto [x, y] = NoPalco(100, depois);
        Clica(100, ALTURA_RESPOSTA[1]);
        Move(100, depois);
        backend().MovePointer({x, y, x, y});
        RunFor(1);
        EXPECT_NE(J().confirmacao.Acao, 0);
        EXPECT_EQ(J().confirmacao.RespostaEscolhida, 1);
        EXPECT_TRUE(J().Image_alt[1].Visible());
        EXPECT_FALSE(J().Image_alt[3].Visible());
        const auto [naoX, naoY] = NoPalco(122 + 84 + 30, 400);
        backend().MovePointer({naoX, naoY, naoX, naoY});
        ClicaNao();
        ASSERT_EQ(J().confirmacao.Acao, 0);
    }
}

// The yes of a right answer returns only after the next question has been asked; an answer
// clicked there before "qualaresposta" stays pending.
TEST_F(Jogo, AnAnswerClickedAsTheNextQuestionIsAskedOutlivesTheYesBeforeIt) {
    gametest::Relogio relogio(backend());
    Comeca();
    fechaStatus = false;
    relogio.acao = [this, feito = false]() mutable {
        if (!feito && frmStatus.Loaded()) {
            feito = true;
            frmStatus->Unload();
            Clica(100, ALTURA_RESPOSTA[3]);
        }
    };
    ClicaResposta(Certa());
    ClicaSim();
    RunFor(10);
    ASSERT_EQ(NumPergunta, 2);
    EXPECT_EQ(J().confirmacao.Acao, 1);
    EXPECT_EQ(J().confirmacao.RespostaEscolhida, 3);
    EXPECT_EQ(Mensagem(), "TEM CERTEZA?");
    ClicaResposta(1);
    EXPECT_FALSE(J().Image_alt[1].Visible());
    Move(122 + 30, 400);
    RunFor(1);
    EXPECT_TRUE(J().botao[0].Visible());
}

TEST_F(Jogo, StopAsksFirstAndNoTakesItBack) {
    Comeca();
    ClicaParar();
    EXPECT_EQ(J().confirmacao.Acao, 6);
    EXPECT_EQ(J().lblResposta[1].MousePointer(), ui::vbArrow);
    ClicaNao();
    EXPECT_EQ(J().confirmacao.Acao, 0);
    EXPECT_EQ(J().lblResposta[1].MousePointer(), ui::vbCustom);
    ClicaParar();
    ClicaSim();
    EXPECT_EQ(Mensagem(), "PAROU!");
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_TRUE(frmMenu.Loaded());
}

TEST_F(Jogo, StopStillLitWhenAnAnswerIsChosenEndsTheGameWithoutAsking) {
    Comeca();
    Acerta();
    Move(320, 400);
    RunFor(1);
    ASSERT_TRUE(J().botao[2].Visible());
    // Straight from the stop button onto an answer: the stage sees no move in between.
    ClicaResposta(1);
    ASSERT_TRUE(J().botao[2].Visible());
    const auto marca = Marca();
    ClicaParar();
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "parar"}));
    EXPECT_EQ(Mensagem(), "PAROU!");
    EXPECT_EQ(IndicePremio, 2);
    EXPECT_TRUE(frmPremio.Loaded());
}

TEST_F(Jogo, KeysWorkWhileAConfirmationIsPendingAndLeaveIt) {
    Comeca();
    ClicaResposta(3);
    EXPECT_FALSE(J().prog[0].Visible());
    PressKey('8', 1, '*');
    RunFor(1);
    for (int i = 0; i < 7; ++i) {
        EXPECT_TRUE(J().prog[i].Visible());
    }
    PressKey(' ');
    RunFor(1);
    EXPECT_EQ(ModoTela, 1);
    EXPECT_EQ(J().WindowState(), ui::vbNormal);
    PressKey(13);
    PressKey('8', 1, '*');
    RunFor(1);
    EXPECT_FALSE(J().prog[6].Visible());
    EXPECT_EQ(J().confirmacao.Acao, 1);
    EXPECT_EQ(Mensagem(), "TEM CERTEZA?");
}

// The backend turns one key press into a key-down and a typed character: the status screen
// closes on the first, and the second is not the game screen's.
TEST_F(Jogo, SpaceClosingTheStatusScreenLeavesTheDisplayModeAlone) {
    gametest::Relogio relogio(backend());
    Comeca();
    fechaStatus = false;
    const auto modo = ModoTela;
    relogio.acao = [this, feito = false]() mutable {
        if (!feito && frmStatus.Loaded()) {
            feito = true;
            PressKey(' ');
        }
    };
    ClicaResposta(Certa());
    ClicaSim();
    RunFor(10);
    EXPECT_FALSE(frmStatus.Loaded());
    EXPECT_EQ(NumPergunta, 2);
    EXPECT_EQ(ModoTela, modo);
}

TEST_F(Jogo, HoverTintsTheAnswerUnderThePointerAndOffersStopAndTheCorners) {
    Comeca();
    Move(100, ALTURA_RESPOSTA[1]);
    RunFor(1);
    EXPECT_EQ(J().lblResposta[1].ForeColor(), 0xE8C8C8u);
    Move(100, ALTURA_RESPOSTA[2]);
    RunFor(1);
    EXPECT_EQ(J().lblResposta[1].ForeColor(), 0xFFFFFFu);
    EXPECT_EQ(J().lblResposta[2].ForeColor(), 0xE8C8C8u);
    // Over the question nothing lights and the answers whiten.
    Move(400, 90);
    RunFor(1);
    EXPECT_EQ(J().lblResposta[2].ForeColor(), 0xFFFFFFu);
    Move(320, 400);
    RunFor(1);
    EXPECT_TRUE(J().botao[2].Visible());
    EXPECT_FALSE(J().botao[0].Visible());
    Move(625, 44);
    RunFor(1);
    EXPECT_FALSE(J().botao[2].Visible());
    EXPECT_TRUE(J().ImagemControl[0].Visible());
    Move(420, 240);
    RunFor(1);
    EXPECT_FALSE(J().ImagemControl[0].Visible());
    EXPECT_TRUE(J().Ajuda[0].Visible());
}

TEST_F(Jogo, WindowModeDragsOverTheQuestionButNotFromAnAnswer) {
    Comeca();
    PressKey(' ');
    RunFor(1);
    ASSERT_EQ(ModoTela, 1);
    const int esquerda = J().Left();
    const auto [qx, qy] = NoPalco(400, 90);
    backend().Push({ui::InputEvent::Kind::MouseDown, qx, qy, 1, 0, 0});
    backend().Push({ui::InputEvent::Kind::MouseMove, qx + 10, qy + 5, 1, 0, 0});
    backend().Push({ui::InputEvent::Kind::MouseUp, qx + 10, qy + 5, 1, 0, 0});
    RunFor(1);
    EXPECT_EQ(J().Left(), esquerda + 10 * 15);
    const auto [ax, ay] = NoPalco(100, ALTURA_RESPOSTA[4]);
    backend().Push({ui::InputEvent::Kind::MouseDown, ax, ay, 1, 0, 0});
    RunFor(1);
    backend().Push({ui::InputEvent::Kind::MouseMove, ax + 10, ay, 1, 0, 0});
    RunFor(1);
    EXPECT_EQ(J().Left(), esquerda + 10 * 15);
}

TEST_F(Jogo, TestButtonsShowTheAnswerAskTheNextRowAndPauseTheCountdown) {
    Comeca();
    PressKey('8', 1, '*');
    RunFor(1);
    Clica(90, 8); // "Re"
    RunFor(1);
    EXPECT_EQ(Mensagem(), "RESPOSTA= " + std::to_string(Certa()));
    Clica(180, 8); // "Te"
    RunFor(60000);
    EXPECT_TRUE(frmJogo.Loaded());
    Clica(130, 8); // "PrxPerg"
    RunFor(1);
    EXPECT_EQ(J().PerguntaAtual, 2);
    EXPECT_EQ(NumPergunta, 1);
    EXPECT_EQ(J().lblPergunta.Caption(), Perguntas[2]);
    EXPECT_EQ(J().cronometro.Tempo, 1);
}

TEST_F(Jogo, ListingShowsEveryQuestionOfTheDatabaseAndLeavesTheStore) {
    Comeca();
    const auto antes = Perguntas;
    PressKey('8', 1, '*');
    RunFor(1);
    Clica(220, 8); // "Todas Perg"
    RunFor(1);
    const auto& caixas = backend().Messages();
    ASSERT_FALSE(caixas.empty());
    EXPECT_EQ(Mensagem(), "TOT.PERG.=" + std::to_string(caixas.size()));
    EXPECT_EQ(caixas.front().text, "Linha Excel=1");
    EXPECT_EQ(caixas.back().text, "Linha Excel=" + std::to_string(caixas.size()));
    EXPECT_EQ(Perguntas, antes);
    EXPECT_EQ(J().PerguntaAtual, 1);
}

// The countdown runs on under the listing's boxes: a time-out there ends the game once, and
// the listing stops at the box that was open.
TEST_F(Jogo, TimeOutUnderTheListingsBoxEndsTheGameAndTheListing) {
    Comeca();
    PressKey('8', 1, '*');
    RunFor(1);
    backend().AnswerNext(0);
    backend().PushAt(backend().Ticks() + 45000, {ui::InputEvent::Kind::KeyDown, 0, 0, 0, 0, 13});
    const auto marca = Marca();
    Clica(220, 8); // "Todas Perg"
    RunFor(1);
    EXPECT_EQ(backend().Messages().size(), 1u);
    EXPECT_EQ(Efeitos(marca), (Sons{"tempoacabando", "tempoesg"}));
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
}

// ---- Display ----

// A text of `n` letters "m" and `k` letters "i" at 14 points whose one-line width is `largura`.
std::string TextoDeLargura(int largura, float pontos) {
    for (int n = 0; n < 60; ++n) {
        for (int k = 0; k < 60; ++k) {
            const std::string t = std::string(static_cast<std::size_t>(n), 'm') +
                                  std::string(static_cast<std::size_t>(k), 'i');
            if (ui::TextWidth(t, ui::Font{pontos, true}) == largura) {
                return t;
            }
        }
    }
    return "";
}

TEST_F(Jogo, AnswerFittingFindsTheLargestSizeBelow262PixelsAndLowersSmallerOnes) {
    Comeca();
    auto& r = J().lblResposta;
    auto& s = J().lblRespSombra;
    const auto poe = [&](const std::string& texto, std::int16_t linha) {
        ASSERT_TRUE(Step([&] { J().exibicao.PoeAlternativa(texto, linha); }));
    };
    const std::string cabe = TextoDeLargura(261, 14);
    const std::string justo = TextoDeLargura(262, 14);
    ASSERT_FALSE(cabe.empty());
    ASSERT_FALSE(justo.empty());
    poe(cabe, 1);
    EXPECT_EQ(r[1].FontSize(), 14);
    EXPECT_EQ(r[1].Top(), 172);
    EXPECT_EQ(s[1].Top(), 174);
    EXPECT_EQ(s[1].Caption(), cabe);
    poe(justo, 2);
    EXPECT_LT(r[2].FontSize(), 14);
    EXPECT_EQ(r[2].Top(), 215);
    EXPECT_EQ(s[2].FontSize(), r[2].FontSize());

    // The first size at which a text fits decides its place.
    const std::string longo(25, 'm');
    int primeira = 14;
    while (primeira >= 6 &&
           ui::TextWidth(longo, ui::Font{static_cast<float>(primeira), true}) >= 262) {
        --primeira;
    }
    ASSERT_LE(primeira, 10);
    ASSERT_GE(primeira, 6);
    poe(longo, 3);
    EXPECT_EQ(r[3].FontSize(), primeira);
    EXPECT_EQ(r[3].Top(), 258);
    EXPECT_EQ(s[3].Top(), 260);

    const std::string enorme(200, 'm');
    poe(cabe, 4);
    poe(justo, 4); // 13 or 12 pt: two pixels down
    poe(enorme, 4);
    EXPECT_EQ(r[4].FontSize(), 6);
    EXPECT_EQ(r[4].Top(), 296);
    EXPECT_EQ(s[4].Top(), 298);
    EXPECT_EQ(r[4].Width(), 261);

    poe("", 1);
    EXPECT_EQ(r[1].FontSize(), 14);
    EXPECT_EQ(r[1].Top(), 172);
}

TEST_F(Jogo, LayoutAfterLoadingAndMessagesInCapitals) {
    Comeca();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(J().lblResposta[i].Left(), 88);
        EXPECT_EQ(J().lblRespSombra[i].Left(), 90);
        EXPECT_EQ(J().Image_alt[i].Left(), 30);
    }
    EXPECT_EQ(J().Image_alt[3].Top(), 251);
    EXPECT_EQ(J().Image_alt[4].Top(), 292);
    EXPECT_FALSE(J().lblResposta[0].Visible());
    EXPECT_EQ(J().lblMSGSombra.Left(), J().lblMSG.Left() + 1);
    EXPECT_EQ(J().lblMSGSombra.Top(), J().lblMSG.Top() + 1);
    ASSERT_TRUE(Step([&] { J().exibicao.MostraMensagem("Ação é già"); }));
    EXPECT_EQ(Mensagem(), "AÇÃO É GIÀ");
    EXPECT_EQ(J().lblMSGSombra.Caption(), "AÇÃO É GIÀ");
    ASSERT_TRUE(Step([&] { J().exibicao.MostraMensagem(""); }));
    EXPECT_TRUE(J().lblMSG.Visible());
}

// ---- The game ends once ----

// A level without rows says so while the fifth question's countdown still runs: a time-out
// under that message ends the game once, and the right answer goes no further.
TEST_F(Jogo, TimeOutUnderTheMissingLevelsMessageEndsTheGameOnce) {
    std::vector<dbtest::Question> perguntas;
    for (int i = 1; i <= 9; ++i) {
        for (int nivel : {1, 3}) {
            const std::string q = std::to_string(nivel) + "-" + std::to_string(i);
            perguntas.push_back({nivel, nivel * 100 + i, {q, q + "a", q + "b", q + "c", q + "d"}});
        }
    }
    WriteFile("perguntas.txt", dbtest::ToLines(perguntas));
    std::filesystem::create_directories(Folder() + "graficos");
    const auto escrito =
        dbtest::WriteDatabase(Folder() + "perguntas.txt", Folder() + "graficos/bot_sc.bmp");
    ASSERT_EQ(escrito.status, 0) << escrito.output;
    PastaGraficos = Folder() + "graficos/";

    Comeca();
    for (int q = 1; q <= 4; ++q) {
        Acerta();
    }
    ClicaResposta(Certa());
    backend().AnswerNext(0);
    backend().PushAt(backend().Ticks() + 45000, {ui::InputEvent::Kind::KeyDown, 0, 0, 0, 0, 13});
    const auto marca = Marca();
    ClicaSim();
    RunFor(1000);
    ASSERT_EQ(backend().Messages().size(), 1u);
    EXPECT_EQ(backend().Messages()[0].text, "Dados não encontrados!");
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "tempoacabando", "tempoesg"}));
    EXPECT_EQ(statusVistos, 4);
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmPremio.Loaded());
}

// The win's end waits 999 ms; meanwhile the keys and the corner buttons work, and nothing on
// the stage plays the game: not an answer, not the stop button left lit from before the
// answer, not a test button, and the pointer over no lights nothing.
TEST_F(Jogo, KeysAndCornerButtonsWorkWhileTheWinEnds) {
    gametest::Relogio relogio(backend());
    Comeca();
    NumPergunta = 16;
    const auto modo = ModoTela;
    PressKey('8', 1, '*');
    Move(320, 400); // stop lights, and neither the answer nor yes puts it out
    RunFor(1);
    bool pararAceso = false;
    relogio.acao = [this, &pararAceso, feito = false]() mutable {
        if (!feito && Mensagem() == "GANHOU!!!") {
            feito = true;
            pararAceso = J().botao[2].Visible();
            Move(615 + 10, 38 + 6);
            Clica(615 + 10, 38 + 6);
            Clica(100, ALTURA_RESPOSTA[Errada()]);
            Clica(320, 400);
            Clica(130, 8);       // "PrxPerg"
            Move(206 + 30, 400); // over no
            PressKey(' ');
        }
    };
    const auto marca = Marca();
    ClicaResposta(Certa());
    ClicaSim();
    RunFor(2000);
    EXPECT_TRUE(pararAceso);
    EXPECT_NE(ModoTela, modo);
    EXPECT_EQ(Efeitos(marca), (Sons{"click", "temcerteza", "tickone", "ganhou", "wood"}));
    EXPECT_EQ(Mensagem(), "GANHOU!!!");
    EXPECT_FALSE(J().botao[1].Visible());
    EXPECT_EQ(J().PerguntaAtual, 1);
    EXPECT_EQ(IndicePremio, 22);
    EXPECT_TRUE(frmParabens.Loaded());
}

TEST_F(Jogo, TimeOutDuringTheBlinkOfYesEndsTheGameAsATimeOutOnly) {
    gametest::Relogio relogio(backend());
    Comeca();
    ClicaResposta(Certa());
    TempoAcabaQuando(relogio, backend(), J(), [this] { return !J().botao[0].Enabled(); });
    const auto marca = Marca();
    ClicaSim();
    EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "tempoesg"}));
    EXPECT_EQ(NumPergunta, 1);
    EXPECT_EQ(statusVistos, 0);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmMenu.Loaded());
    RunFor(5000);
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "tempoesg"}));
}

TEST_F(Jogo, TimeOutDuringTheLevelLoadAfterTheFifthQuestion) {
    gametest::Relogio relogio(backend());
    Comeca();
    for (int q = 1; q <= 4; ++q) {
        Acerta();
    }
    ClicaResposta(Certa());
    TempoAcabaQuando(relogio, backend(), J(), [] { return Nivel == 2; });
    const auto marca = Marca();
    ClicaSim();
    EXPECT_EQ(NumPergunta, 6);
    EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "tempoesg"}));
    EXPECT_EQ(statusVistos, 4);
    EXPECT_EQ(IndicePremio, 0);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmPremio.Loaded());
}

TEST_F(Jogo, TimeOutOnTheWrongAnswerPathLeavesTheWrongAnswersEnd) {
    gametest::Relogio relogio(backend());
    Comeca();
    Acerta();
    TempoAcabaQuando(relogio, backend(), J(), [this] { return Mensagem() == "ERROU!"; });
    ClicaResposta(Errada());
    const auto marca = Marca();
    ClicaSim();
    EXPECT_EQ(J().cronometro.Tempo, 22);
    EXPECT_EQ(Mensagem(), "ERROU!");
    EXPECT_EQ(Efeitos(marca), (Sons{"tickone", "errar"}));
    EXPECT_EQ(IndicePremio, 1);
    EXPECT_FALSE(frmJogo.Loaded());
    EXPECT_TRUE(frmPremio.Loaded());
}

TEST_F(Jogo, TimeOutWhileTheClickOnAnAnswerSoundsOrTheQuestionIsPendingEndsTheGame) {
    {
        gametest::Relogio relogio(backend());
        Comeca();
        TempoAcabaQuando(relogio, backend(), J(), [this] { return J().confirmacao.Acao == 1; });
        ClicaResposta(2);
        EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
        EXPECT_FALSE(J().Image_alt[2].Visible());
        EXPECT_TRUE(frmMenu.Loaded());
        frmMenu->Unload();
    }
    Comeca();
    ClicaResposta(2);
    RunFor(42000);
    EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
    EXPECT_TRUE(frmMenu.Loaded());
}

} // namespace
