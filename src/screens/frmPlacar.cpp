#include "screens/frmPlacar.h"

#include "core/Config.h"
#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/Premios.h"
#include "platform/Colour.h"
#include "screens/frmMenu.h"

#include <algorithm>

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

enum { MENU, LIMPAR };

constexpr float TAMANHO_FONTE = 21.75f;

void Estilo(ui::Label& rotulo, std::uint32_t cor) {
    rotulo.FontSize(TAMANHO_FONTE);
    rotulo.FontBold(true);
    rotulo.BackStyle(0);
    rotulo.ForeColor(cor);
}

void EstiloNome(ui::Label& rotulo, std::uint32_t cor) {
    Estilo(rotulo, cor);
    rotulo.AutoSize(true);
}

void EstiloPremio(ui::Label& rotulo, std::uint32_t cor) {
    Estilo(rotulo, cor);
    rotulo.Alignment(ui::vbRightJustify);
    rotulo.Width(157);
    rotulo.Height(29);
}

} // namespace

frmPlacarForm::frmPlacarForm() : TelaPadrao(PLACAR) {
    for (int i = 0; i < 5; ++i) {
        const std::uint32_t cor = i == 0 ? ui::RGB(255, 255, 0) : ui::RGB(255, 255, 255);
        EstiloNome(lblNome[i], cor);
        EstiloNome(lblNomeSombra[i], ui::RGB(0, 0, 0));
        EstiloPremio(lblPremio[i], cor);
        EstiloPremio(lblPremioSombra[i], ui::RGB(0, 0, 0));
        lblNome[i].Change = [this, i] { lblNomeSombra[i].Caption(lblNome[i].Caption()); };
        lblPremio[i].Change = [this, i] { lblPremioSombra[i].Caption(lblPremio[i].Caption()); };
    }
}

void frmPlacarForm::CarregaBotoes() {
    CarregaCantos("circ_placar_");
    CarregaFigura(botao[MENU], "bot_placar_menu");
    CarregaFigura(botao[LIMPAR], "bot_placar_limpar");
}

void frmPlacarForm::PreparaTela() {
    PosicionaLabels();
    if (IndicePremio != 0) {
        InserePlacar();
    }
    MostraPlacar();
}

void frmPlacarForm::PosicionaLabels() {
    for (int i = 0; i < 5; ++i) {
        const float topo = static_cast<float>(161 + 59 * i);
        lblNome[i].Move(152, topo);
        lblNomeSombra[i].Move(lblNome[i].Left() + 2, lblNome[i].Top() + 3);
        lblPremio[i].Move(330, topo);
        lblPremioSombra[i].Move(lblPremio[i].Left() + 2, lblNome[i].Top() + 3);
    }
}

// Rows whose rung the ladder does not have (a damaged file's) go below the real ones, in
// their order and with their bytes, so that a result entering above them stays below every
// better result.
void frmPlacarForm::RebaixaDegrausInexistentes() {
    std::array<int, 5> ordem{1, 2, 3, 4, 5};
    std::stable_partition(ordem.begin(), ordem.end(),
                          [](int r) { return DegrauExiste(PlacarNivel[r]); });
    const auto nomes = PlacarNome;
    const auto niveis = PlacarNivel;
    for (int r = 1; r <= 5; ++r) {
        PlacarNome[r] = nomes[ordem[r - 1]];
        PlacarNivel[r] = niveis[ordem[r - 1]];
    }
}

// The board is kept best first, so the result goes above the first smaller rung and below
// the equal ones; the old fifth row drops off. A rung the ladder does not have ranks below
// every result.
void frmPlacarForm::InserePlacar() {
    PosicaoNova = 0;
    RebaixaDegrausInexistentes();
    for (int r = 1; r <= 5; ++r) {
        if (IndicePremio > (DegrauExiste(PlacarNivel[r]) ? PlacarNivel[r] : 0)) {
            for (int j = 5; j > r; --j) {
                PlacarNome[j] = PlacarNome[j - 1];
                PlacarNivel[j] = PlacarNivel[j - 1];
            }
            PlacarNome[r] = NomeJogador;
            PlacarNivel[r] = IndicePremio;
            PosicaoNova = static_cast<std::int16_t>(r);
            break;
        }
    }
    IndicePremio = 0;
}

void frmPlacarForm::MostraPlacar() {
    for (int i = 0; i < 5; ++i) {
        lblNome[i].Caption(PlacarNome[i + 1]);
        lblPremio[i].Caption(TextoDoDegrau(PlacarNivel[i + 1]));
        const bool comNome = !lblNome[i].Caption().empty();
        lblPremioSombra[i].Visible(comNome);
        lblPremio[i].Visible(comNome);
    }
}

void frmPlacarForm::MostraLinha(int i) {
    lblNome[i].Visible(true);
    lblNomeSombra[i].Visible(true);
    const bool comNome = !lblNome[i].Caption().empty();
    lblPremio[i].Visible(comNome);
    lblPremioSombra[i].Visible(comNome);
}

// The clicks stay live while the row blinks: a clear ends the blink with the row as the
// cleared board shows it, and a return to the menu leaves the closed screen untouched.
void frmPlacarForm::PiscaLinhaNova() {
    if (PosicaoNova < 1) {
        return;
    }
    const int i = PosicaoNova - 1;
    for (int passo = 0; passo < 9 && PosicaoNova != 0; ++passo) {
        for (ui::Label* rotulo :
             {&lblNome[i], &lblPremio[i], &lblNomeSombra[i], &lblPremioSombra[i]}) {
            rotulo->Visible(!rotulo->Visible());
        }
        if (!Espera(80)) {
            return;
        }
    }
    MostraLinha(i);
}

// A clear stops the start timer before anything else, so a blink that has not begun never
// happens.
void frmPlacarForm::botao_Click(int Index) {
    if (Index == LIMPAR) {
        Timer_load.Enabled(false);
    }
    TelaPadrao::botao_Click(Index);
}

void frmPlacarForm::AcaoBotao(int Index) {
    if (Index == MENU) {
        frmMenu.Show();
        Unload();
    } else {
        ZeraPlacar();
        PosicaoNova = 0;
        MostraPlacar();
    }
}
