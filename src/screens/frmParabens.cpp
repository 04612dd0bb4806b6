#include "screens/frmParabens.h"

#include "core/Figuras.h"
#include "screens/frmPlacar.h"
#include "sound/Som.h"

ui::FormRef<frmParabensForm> frmParabens;

namespace {

const Comportamento PARABENS{
    .fundo = "bgparabens", .narracao = "parabens", .intervaloInicio = 50, .palcoPreto = true};

} // namespace

frmParabensForm::frmParabensForm() : TelaPadrao(PARABENS) {
    Imagem_Parabens.Move(59, 197, 526, 148);
    Imagem_Parabens.Picture(FiguraEmbutida("parabens_faixa"));
    Imagem_Parabens.Visible(false);
    Timer_pisca.Tick = [this] { Timer_pisca_Timer(); };
    Timer_sair.Tick = [this] { Timer_sair_Timer(); };
}

void frmParabensForm::AcaoInicio() {
    Timer_pisca.Enabled(true);
    Timer_sair.Enabled(true);
}

void frmParabensForm::Timer_pisca_Timer() {
    Imagem_Parabens.Visible(!Imagem_Parabens.Visible());
}

// The score board that follows enters the top prize as it loads.
void frmParabensForm::Timer_sair_Timer() {
    Timer_pisca.Enabled(false);
    Timer_sair.Enabled(false);
    ParaNarracao();
    frmPlacar.Show();
    Unload();
}
