#include "screens/frmRegras.h"

#include "core/Espera.h"
#include "core/Figuras.h"
#include "screens/frmNome.h"

#include <algorithm>
#include <string>

ui::FormRef<frmRegrasForm> frmRegras;

namespace {

// The button highlights are lit from the start; only moves over the stage put them out.
const Comportamento REGRAS{
    .fundo = "bgregras",
    .intervaloInicio = 500,
    .arrasta = true,
    .testaHover = true,
    .cantosVivos = true,
    .sonsClique = {"tickone"},
    .piscadas = 4,
    .msPiscada = 50,
    .botoesAcesos = true,
    .botoes = {{165, 378, 74, 74}, {283, 378, 75, 76}, {401, 378, 75, 74}},
    .cantos = {{{612, 42, 21, 21}, {602, 18, 21, 21}, {578, 8, 22, 21}}},
};

enum { PROXIMA, ANTERIOR, CONTINUAR };

constexpr int PRIMEIRA = 1, ULTIMA = 4;
constexpr int PASSO_CORTINA = 20;

std::string NomePagina(int pagina) {
    return "regras 0" + std::to_string(pagina);
}

} // namespace

frmRegrasForm::frmRegrasForm() : TelaPadrao(REGRAS) {
    regra.Move(32, 168, 575, 207);
    regra.Visible(false);
    regra.MouseDown = [this](int b, int s, float x, float y) { regra_MouseDown(b, s, x, y); };
    regra.MouseMove = [this](int b, int s, float x, float y) { regra_MouseMove(b, s, x, y); };
}

void frmRegrasForm::IniciaRegras() {
    Pagina = PRIMEIRA;
    botao[ANTERIOR].Enabled(false);
}

void frmRegrasForm::CarregaBotoes() {
    // Each corner button before its button: the order of the dialogs for missing pictures.
    for (int i = 0; i <= 2; ++i) {
        CarregaCanto("circ_regras_", i);
        CarregaFigura(botao[i], "bot_regra_" + std::to_string(i));
    }
}

// Rolls the page up to a one-pixel strip, changes it and rolls it down again. Clicks during
// a step's wait may change `Pagina` and run a wipe of their own; the picture is chosen after
// the roll-up, so the page chosen last is the one that stays.
void frmRegrasForm::MostraPagina() {
    const int altura = Inteiro(regra.Height());
    for (int k = altura; k >= 1; k -= PASSO_CORTINA) {
        regra.Height(static_cast<float>(k));
        if (!Espera(1)) {
            return;
        }
    }
    regra.Height(1);
    CarregaFigura(regra, NomePagina(Pagina));
    regra.Visible(true);
    for (int k = 1; k <= altura; k += PASSO_CORTINA) {
        regra.Height(static_cast<float>(k));
        if (!Espera(1)) {
            return;
        }
    }
    regra.Height(static_cast<float>(altura));
}

void frmRegrasForm::HabilitaSetas() {
    botao[PROXIMA].Enabled(Pagina < ULTIMA);
    botao[ANTERIOR].Enabled(Pagina > PRIMEIRA);
}

void frmRegrasForm::AcaoBotao(int Index) {
    switch (Index) {
    case PROXIMA:
        Pagina = static_cast<std::int16_t>(std::min(Pagina + 1, ULTIMA));
        break;
    case ANTERIOR:
        Pagina = static_cast<std::int16_t>(std::max(Pagina - 1, PRIMEIRA));
        break;
    case CONTINUAR:
        frmNome.Show();
        Unload();
        return;
    default:
        return;
    }
    HabilitaSetas();
    MostraPagina();
}

// A highlight whose arrow leads nowhere is not tested and keeps its visibility.
void frmRegrasForm::TestaHover(int x, int y) {
    for (int i = 0; i < 3; ++i) {
        AcendeSobMouse(x, y, ImagemControl[i]);
    }
    if (Pagina < ULTIMA) {
        AcendeSobMouse(x, y, botao[PROXIMA]);
    }
    if (Pagina > PRIMEIRA) {
        AcendeSobMouse(x, y, botao[ANTERIOR]);
    }
    AcendeSobMouse(x, y, botao[CONTINUAR]);
}

// The page hands its pointer events, in its own coordinates, to the stage.
void frmRegrasForm::regra_MouseDown(int Button, int Shift, float X, float Y) {
    Picture_Center_MouseDown(Button, Shift, X, Y);
}

void frmRegrasForm::regra_MouseMove(int Button, int Shift, float X, float Y) {
    Picture_Center_MouseMove(Button, Shift, X, Y);
}
