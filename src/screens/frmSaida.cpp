#include "screens/frmSaida.h"

#include "core/Config.h"
#include "core/Figuras.h"
#include "platform/Application.h"
#include "sound/Som.h"

ui::FormRef<frmSaidaForm> frmSaida;

namespace {

// The corner buttons are loaded but never lit here, and the stage does not drag.
const Comportamento SAIDA{
    .fundo = "bgsair",
    .intervaloInicio = 1000,
    .testaHover = true,
    .sonsClique = {"wood"},
    .piscadas = 4,
    .msPiscada = 50,
    .botoes = {{76, 377, 76, 76}, {491, 378, 73, 75}},
    .cantos = {{{612, 42, 21, 21}, {602, 18, 21, 21}, {578, 8, 22, 21}}},
};

enum { SAIR, FICAR };

} // namespace

frmSaidaForm::frmSaidaForm() : TelaPadrao(SAIDA) {
    Creditos.Move(160, 283, 322, 171);
    Timer_Creditos.Tick = [this] { Timer_Creditos_Timer(); };
    Creditos.MouseMove = [this](int b, int s, float x, float y) { Creditos_MouseMove(b, s, x, y); };
}

void frmSaidaForm::CarregaBotoes() {
    // Each corner button before the answer of its index: the order of the dialogs for missing
    // pictures.
    for (int i = 0; i <= 2; ++i) {
        CarregaCanto("circ_regras_", i);
        if (i <= 1) {
            CarregaFigura(botao[i], "bot_sair_" + std::to_string(i));
        }
    }
}

void frmSaidaForm::AcaoInicio() {
    NumCredito = 0;
    Timer_Creditos.Enabled(true);
}

void frmSaidaForm::Timer_Creditos_Timer() {
    NumCredito = static_cast<std::int16_t>(NumCredito + 1);
    if (NumCredito > 4) {
        NumCredito = 1;
    }
    CarregaFigura(Creditos, "credito " + DoisDigitos(NumCredito));
}

void frmSaidaForm::Creditos_MouseMove(int, int, float, float) {
    AcendeSobMouse(0, 0, botao[SAIR]);
    AcendeSobMouse(0, 0, botao[FICAR]);
}

void frmSaidaForm::AcaoBotao(int Index) {
    if (Index == SAIR) {
        SalvaConfig();
        (void)TocaSom("tchau", 2);
        ui::App().End(0);
    }
    Unload();
}
