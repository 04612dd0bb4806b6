#include "screens/frmIntro.h"

#include "core/Figuras.h"
#include "screens/frmMenu.h"
#include "sound/Som.h"

ui::FormRef<frmIntroForm> frmIntro;

namespace {

const Comportamento INTRO{
    .fundo = "bgintro", .narracao = "trilha09", .intervaloInicio = 100, .palcoPreto = true};

} // namespace

frmIntroForm::frmIntroForm() : TelaPadrao(INTRO) {
    Image_heart.Move(267, 30, 217, 189);
    Image_heart.Picture(FiguraEmbutida("intro_coracao"));
    Image_heart.Visible(false);
    Timer_pisca.Tick = [this] { Timer_pisca_Timer(); };
    Timer_sair.Tick = [this] { Timer_sair_Timer(); };
    Picture_Center.Click = [this] { Timer_sair_Timer(); };
    Image_heart.Click = [this] { Timer_sair_Timer(); };
}

void frmIntroForm::AcaoInicio() {
    Timer_sair.Enabled(true);
    Timer_pisca.Enabled(true);
    AbreMusica("gamebgm", "normal");
}

void frmIntroForm::Timer_pisca_Timer() {
    Image_heart.Visible(!Image_heart.Visible());
}

void frmIntroForm::Timer_sair_Timer() {
    Timer_pisca.Enabled(false);
    Timer_sair.Enabled(false);
    ParaNarracao();
    frmMenu.Show();
    Unload();
}

void frmIntroForm::Form_KeyPress(int KeyAscii) {
    if (KeyAscii == 13) {
        Timer_sair_Timer();
    }
}
