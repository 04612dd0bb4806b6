#include "screens/frmNome.h"

#include "core/Figuras.h"

ui::FormRef<frmNomeForm> frmNome;

namespace {

const Comportamento NOME{
    .fundo = "bgnome",
    .intervaloInicio = 500,
    .arrasta = true,
    .testaHover = true,
    .cantosVivos = true,
    .sonsClique = {"switch"},
    .piscadas = 5,
    .msPiscada = 80,
    .travaEntrada = true,
    .botoes = {{172, 330, 77, 69}, {283, 328, 77, 69}, {392, 332, 77, 69}},
    .cantos = {{{612, 42, 21, 17}, {602, 17, 21, 17}, {578, 8, 21, 21}}},
};

} // namespace

frmNomeForm::frmNomeForm() : TelaPadrao(NOME) {}

void frmNomeForm::CarregaBotoes() {
    CarregaCantos("circ_nome_");
    for (int i = 0; i <= 2; ++i) {
        CarregaFigura(botao[i], "bot_nome_f" + std::to_string(i + 1));
        botao[i].Visible(false);
    }
}
