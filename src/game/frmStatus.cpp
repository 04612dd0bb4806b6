#include "game/frmStatus.h"

#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "sound/Som.h"

ui::FormRef<frmStatusForm> frmStatus;

namespace {

// No buttons, no hover and no dragging; the corner buttons stay hidden.
const Comportamento STATUS{.fundo = "bgstatus", .intervaloInicio = 750};

constexpr int PASSO_SUBIDA_MS = 44;
constexpr int TOQUES_PISCADA = 6;

} // namespace

frmStatusForm::frmStatusForm() : TelaPadrao(STATUS) {
    for (auto& imagem : Precache) {
        imagem.Visible(false);
    }
    Imagem_Nivel.Move(144, 0, 353, 46);
    Imagem_Nivel.Visible(false);
    Imagem_Nivel.Click = [this] { Imagem_Nivel_Click(); };
    MMControl3.Done = [this](int code) { MMControl3_Done(code); };
    Timer_pisca.Tick = [this] { Timer_pisca_Timer(); };
    Timer_sair.Tick = [this] { Timer_sair_Timer(); };
}

void frmStatusForm::PreparaTela() {
    DefinePosicoes();
    EscondeControles();
}

void frmStatusForm::DefinePosicoes() {
    PosicaoNivel = {0, 393, 382, 360, 334, 313, 278, 260, 236, 216, 201, 155, 133, 113, 95, 66, 35};
}

void frmStatusForm::EscondeControles() {
    for (auto& canto : ImagemControl) {
        canto.Visible(false);
    }
}

void frmStatusForm::TocaWavStatus(const std::string& nome) {
    if (!Sim(SomLigado)) {
        return;
    }
    MMControl3.Command("close");
    MMControl3.FileName = PastaAudio + nome + ".wav";
    MMControl3.Command("open");
    MMControl3.Command("stop");
    MMControl3.Command("prev");
    MMControl3.Command("play");
}

void frmStatusForm::AnimaNivel() {
    TocaWavStatus("valores-" + DoisDigitos(NumPergunta));
    // A missing picture's dialog handles events, so the screen may close while the cache loads.
    const Guarda guarda(*this);
    for (int i = 1; i <= NumPergunta; ++i) {
        CarregaFigura(Precache[i - 1], "valor " + DoisDigitos(i));
        if (!guarda) {
            return;
        }
    }
    for (int i = 1; i <= NumPergunta; ++i) {
        Imagem_Nivel.Picture(Precache[i - 1].Picture());
        Imagem_Nivel.Top(PosicaoNivel[static_cast<std::size_t>(i)]);
        Imagem_Nivel.Visible(true);
        if (!Espera(PASSO_SUBIDA_MS)) {
            return;
        }
    }
    Timer_pisca.Enabled(true);
}

void frmStatusForm::Timer_pisca_Timer() {
    Imagem_Nivel.Visible(!Imagem_Nivel.Visible());
    ++Piscadas;
    if (Piscadas >= TOQUES_PISCADA) {
        Timer_pisca.Enabled(false);
    }
}

void frmStatusForm::MMControl3_Done(int) {
    Timer_sair.Enabled(true);
}

void frmStatusForm::Form_KeyDown(int KeyCode, int) {
    if (KeyCode == 13 || KeyCode == 32) {
        Timer_sair_Timer();
    }
}

void frmStatusForm::Imagem_Nivel_Click() {
    Form_KeyDown(32, 0);
}

void frmStatusForm::Timer_sair_Timer() {
    Timer_sair.Enabled(false);
    Unload();
}

void frmStatusForm::Form_Unload() {
    // The voice goes with the screen, also while a handler of it still holds the object.
    MMControl3.Command("close");
    if (Sim(NovoJogo)) {
        frmJogo.Show();
    }
}

Guarda MostraStatus() {
    Guarda guarda;
    if (Sim(NovoJogo)) {
        frmStatus.Show(ui::vbModeless);
    } else {
        frmStatus.Show(ui::vbModal);
    }
    return guarda;
}
