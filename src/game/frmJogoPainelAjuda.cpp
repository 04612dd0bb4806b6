#include "game/frmJogoPainelAjuda.h"

#include "game/frmJogo.h"

namespace {

constexpr int TIQUE_MS = 500;
constexpr std::int16_t TIQUES = 20;
constexpr float LARGURA_BARRA = 185;
constexpr float PASSO_BARRA = 9.25f;

} // namespace

PainelAjuda::PainelAjuda(frmJogoForm& jogo) : Timer_Ajuda(jogo, TIQUE_MS), jogo_(jogo) {
    Timer_Ajuda.Tick = [this] { Timer_Ajuda_Timer(); };
    // Light on the panel's dark pictures.
    jogo.barra.FillColor(cores::AMARELO);
    jogo.barra.BorderColor(cores::AMARELO);
    for (auto& lbl : jogo.lblAjuda) {
        lbl.ForeColor(cores::BRANCO);
    }
    jogo.pic_Ajuda.Click = [this] { FechaAjuda(); };
    jogo.lblAjuda.OnClick([this](int) { FechaAjuda(); });
}

void PainelAjuda::AbreAjuda() {
    auto& j = jogo_;
    j.pic_Ajuda.Move(376, 163);
    j.pic_Ajuda.Visible(true);
    TempoAjuda = TIQUES;
    j.barra.Width(LARGURA_BARRA);
    Timer_Ajuda.Enabled(true);
}

void PainelAjuda::FechaAjuda() {
    Timer_Ajuda.Enabled(false);
    jogo_.pic_Ajuda.Visible(false);
    jogo_.ajudas.HabilitaAjudas(true);
}

void PainelAjuda::Timer_Ajuda_Timer() {
    --TempoAjuda;
    if (TempoAjuda >= 0) {
        jogo_.barra.Width(LARGURA_BARRA - static_cast<float>(TIQUES - TempoAjuda) * PASSO_BARRA);
    }
    if (TempoAjuda < 1) {
        Timer_Ajuda.Enabled(false);
        FechaAjuda();
        TempoAjuda = TIQUES;
    }
}
