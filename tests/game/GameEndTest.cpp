// Scenario tests of input that reaches the game screen after its end has begun: none of it
// plays the ended game.
#include "GameSupport.h"

#include "screens/frmMenu.h"

#include <functional>

namespace {

using gametest::Jogo;
using Sons = std::vector<std::string>;

class FimDoJogo : public Jogo {
  protected:
    // The stage's highlights: yes, no, stop and the six helps.
    std::vector<bool> Realces() {
        std::vector<bool> acesos;
        for (int i = 0; i < 3; ++i) {
            acesos.push_back(J().botao[i].Visible());
        }
        for (int i = 0; i < 6; ++i) {
            acesos.push_back(J().Ajuda[i].Visible());
        }
        return acesos;
    }
};

// Input queued at the tick that runs out the time is handled just before "tempoesg" plays:
// the player sees and hears the time-out alone, whatever the input would have done a tick
// earlier.
TEST_F(FimDoJogo, InputQueuedAtTheTimeOutLeavesTheTimeOutAlone) {
    struct Caso {
        const char* entrada;
        std::function<void()> prepara; // before the time-out
        std::function<void()> noFim;   // queued at the time-out's tick
    };
    const Caso casos[] = {
        {"a click on an answer", [] {}, [this] { Clica(100, ALTURA_RESPOSTA[2]); }},
        {"a click on the lit stop button",
         [this] {
             Move(320, 400);
             RunFor(1);
         },
         [this] { Clica(320, 400); }},
        {"a click on a lit help", [this] { SobreAjuda(1); },
         [this] {
             const auto [x, y] = CentroAjuda(1);
             Clica(x, y);
         }},
        {"a click on a card", [this] { PedeESim(0); },
         [this] { Clica(CARTAS_X + CARTA[1][0], CARTAS_Y + CARTA[1][1]); }},
        {"the pointer onto the stop button", [] {}, [this] { Move(320, 400); }},
        {"a click on the next-row test button",
         [this] {
             PressKey('8', 1, '*');
             RunFor(1);
         },
         [this] { Clica(130, 8); }},
    };
    gametest::Relogio relogio(backend());
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        Comeca();
        caso.prepara();
        const auto acao = J().confirmacao.Acao;
        const auto realces = Realces();
        const auto marca = Marca();
        gametest::TempoAcabaQuando(
            relogio, backend(), J(), [] { return true; }, caso.noFim);
        RunFor(10);
        EXPECT_EQ(Efeitos(marca), Sons{"tempoesg"});
        EXPECT_EQ(Mensagem(), "FIM DO TEMPO");
        EXPECT_EQ(J().confirmacao.Acao, acao);
        EXPECT_EQ(Realces(), realces);
        EXPECT_EQ(J().PerguntaAtual, 1);
        ASSERT_TRUE(frmMenu.Loaded());
        frmMenu->Unload();
    }
}

} // namespace
