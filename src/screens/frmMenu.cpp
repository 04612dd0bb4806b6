#include "screens/frmMenu.h"

#include "core/Figuras.h"
#include "core/Globais.h"
#include "screens/frmNome.h"
#include "screens/frmPlacar.h"
#include "screens/frmRegras.h"
#include "screens/frmSaida.h"
#include "sound/Som.h"

ui::FormRef<frmMenuForm> frmMenu;

namespace {

const Comportamento MENU{
    .fundo = "bgmenu",
    .intervaloInicio = 500,
    .arrasta = true,
    .testaHover = true,
    .cantosVivos = true,
    .sonsClique = {"click"},
    .piscadas = 5,
    .msPiscada = 80,
    .travaEntrada = true,
    .botoes = {{186, 203, 75, 73}, {377, 344, 76, 74}, {539, 378, 73, 74}, {27, 375, 78, 76}},
    .cantos = {{{611, 41, 21, 21}, {602, 17, 21, 21}, {578, 7, 21, 17}}},
};

enum { JOGAR, REGRAS, SAIR, RECORDES };

} // namespace

frmMenuForm::frmMenuForm() : TelaPadrao(MENU) {
    Icon(FiguraEmbutida("menu_icone"));
}

void frmMenuForm::CarregaBotoes() {
    for (int i = 0; i <= 3; ++i) {
        CarregaFigura(botao[i], "bot_intro-" + std::to_string(i));
        botao[i].Visible(false);
        if (i < 3) {
            CarregaFigura(ImagemControl[i], "circ_intro_" + std::to_string(i));
            ImagemControl[i].Visible(false);
        }
    }
}

void frmMenuForm::LiberaTela() {
    Picture_Center.Enabled(true);
}

void frmMenuForm::AcaoBotao(int Index) {
    switch (Index) {
    case JOGAR:
        ParaNarracao();
        if (!TocaSom("mudo")) {
            return;
        }
        frmNome.Show();
        Unload();
        break;
    case REGRAS:
        frmRegras.Show();
        Unload();
        break;
    case SAIR:
        frmSaida.Show();
        break;
    case RECORDES:
        frmPlacar.Show();
        Unload();
        break;
    default:
        break;
    }
}

void frmMenuForm::Form_KeyDown(int KeyCode, int) {
    if (Sim(EntradaTravada)) {
        return;
    }
    if (KeyCode == 13 || KeyCode == 112) {
        botao_Click(JOGAR);
    }
}
