#include "screens/frmRegras.h"

#include "core/Figuras.h"

ui::FormRef<frmRegrasForm> frmRegras;

namespace {

const Comportamento REGRAS{
    .fundo = "bgregras",
    .intervaloInicio = 500,
    .arrasta = true,
    .testaHover = true,
    .cantosVivos = true,
    .sonsClique = {"tickone"},
    .piscadas = 4,
    .msPiscada = 50,
    .botoes = {{165, 378, 74, 74}, {283, 378, 75, 76}, {401, 378, 75, 74}},
    .cantos = {{{612, 42, 21, 21}, {602, 18, 21, 21}, {578, 8, 22, 21}}},
};

} // namespace

frmRegrasForm::frmRegrasForm() : TelaPadrao(REGRAS) {}

void frmRegrasForm::CarregaBotoes() {
    CarregaCantos("circ_regras_");
    for (int i = 0; i <= 2; ++i) {
        CarregaFigura(botao[i], "bot_regra_" + std::to_string(i));
    }
}
