#include "screens/frmPremio.h"

#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/Premios.h"
#include "screens/frmPlacar.h"

ui::FormRef<frmPremioForm> frmPremio;

namespace {

const Comportamento PREMIO{.fundo = "bgpremio", .narracao = "trilha07", .intervaloInicio = 1000};

} // namespace

frmPremioForm::frmPremioForm() : TelaPadrao(PREMIO) {
    imagem_ganhou.Move(145, 180, 352, 54);
    imagem_ganhou.Picture(FiguraEmbutida("premio_faixa"));
    Imagem_premio.Move(144, 248, 352, 180);
    Timer_sair.Tick = [this] { Timer_sair_Timer(); };
}

void frmPremioForm::MostraPremio() {
    if (IndicePremio == 0) {
        CarregaFigura(imagem_ganhou, "vocenaoganhou");
    }
    CarregaFigura(Imagem_premio, ValorDoDegrau(IndicePremio));
}

void frmPremioForm::Timer_sair_Timer() {
    Timer_sair.Enabled(false);
    Unload();
}

// The narration plays on under the score board, which enters the result as it loads.
void frmPremioForm::Form_Unload() {
    frmPlacar.Show();
}
