#include "game/frmJogoCronometro.h"

#include "core/Figuras.h"
#include "game/frmJogo.h"
#include "sound/Som.h"

namespace {

constexpr int TIQUE_MS = 2000;
constexpr std::int16_t PASSO_AVISO = 13;
constexpr std::int16_t PASSO_FIM = 22;

} // namespace

CronometroJogo::CronometroJogo(frmJogoForm& jogo) : Timer_Tempo(jogo, TIQUE_MS), jogo_(jogo) {
    Timer_Tempo.Tick = [this] { Timer_Tempo_Timer(); };
}

void CronometroJogo::MostraTempo(std::int16_t passo) {
    CarregaFigura(jogo_.Image_Tempo, DoisDigitos(passo), "hd");
}

void CronometroJogo::IniciaTempo() {
    Tempo = 1;
    Timer_Tempo.Enabled(true);
    VoltaMusica();
    TocaMusica();
}

void CronometroJogo::ParaTempo() {
    Timer_Tempo.Enabled(false);
}

void CronometroJogo::Timer_Tempo_Timer() {
    ++Tempo;
    if (Tempo < PASSO_FIM) {
        MostraTempo(Tempo);
        if (Tempo == PASSO_AVISO) {
            // The tick ends here whatever ran before the sound.
            (void)TocaSomVariado("tempoacabando");
        }
        return;
    }
    Timer_Tempo.Enabled(false);
    if (!jogo_.fluxo.ComecaFim()) {
        return;
    }
    ParaMusica();
    jogo_.exibicao.MostraMensagem("Fim do tempo");
    if (!TocaSomVariado("tempoesg", 2)) {
        return;
    }
    jogo_.fluxo.FimDeJogo();
}
