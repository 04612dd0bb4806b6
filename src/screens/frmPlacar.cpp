#include "screens/frmPlacar.h"

#include "core/Figuras.h"

ui::FormRef<frmPlacarForm> frmPlacar;

namespace {

// The corner buttons are loaded but never lit here, and the stage does not drag.
const Comportamento PLACAR{
    .fundo = "bgplacar",
    .intervaloInicio = 1000,
    .testaHover = true,
    .sonsClique = {"click", "wood"},
    .piscadas = 5,
    .msPiscada = 80,
    .botoes = {{543, 383, 64, 63}, {27, 377, 78, 77}},
    .cantos = {{{612, 42, 22, 22}, {602, 17, 22, 22}, {578, 7, 22, 22}}},
};

} // namespace

frmPlacarForm::frmPlacarForm() : TelaPadrao(PLACAR) {}

void frmPlacarForm::CarregaBotoes() {
    CarregaCantos("circ_placar_");
    CarregaFigura(botao[0], "bot_placar_menu");
    CarregaFigura(botao[1], "bot_placar_limpar");
}
