#include "game/frmJogo.h"

#include "core/Figuras.h"
#include "core/ModoTela.h"
#include "platform/Backend.h"

ui::FormRef<frmJogoForm> frmJogo;

namespace {

const Comportamento JOGO{
    .fundo = "",
    .intervaloInicio = 1000,
    .arrasta = true,
    .testaHover = true,
    .cantosVivos = true,
    .sonsClique = {"tickone"},
    .piscadas = 4,
    .msPiscada = 50,
    .travaEntrada = false,
    .botoesAcesos = true,
    .botoes = {{122, 378, 69, 61}, {206, 378, 69, 61}, {289, 378, 69, 61}},
    .cantos = {{{615, 38, 21, 13}, {605, 13, 21, 13}, {582, 3, 21, 13}}},
};

} // namespace

frmJogoForm::frmJogoForm() : TelaPadrao(JOGO) {}

void frmJogoForm::Form_Load() {
    // A new game: whatever waited in an earlier one stops.
    ++SerieJogo;
    CursorTela(ui::vbHourglass);
    layout.AplicaCursores();
    NovoJogo = FALSO;
    PosicionaForm(*this);
    fluxo.IniciaVariaveis();
    exibicao.LimpaPergunta();
    Caption("Quorvane");
    layout.MontaTela();
    lblMSGSombra.Move(lblMSG.Left() + 1, lblMSG.Top() + 1);
    const Guarda guarda;
    CarregaNivel();
    if (!guarda) {
        return;
    }
    Timer_load.Enabled(true);
    CursorTela(ui::vbDefault);
}

void frmJogoForm::AcaoInicio() {
    layout.LiberaTela();
    fluxo.IniciaJogo();
}

void frmJogoForm::botao_Click(int Index) {
    if (!fluxo.FimComecou()) {
        TelaPadrao::botao_Click(Index);
    }
}

void frmJogoForm::AcaoBotao(int Index) {
    confirmacao.AcaoBotao(Index);
}

void frmJogoForm::TestaHover(int x, int y) {
    janela.TestaHover(x, y);
}

void frmJogoForm::Form_KeyPress(int KeyAscii) {
    confirmacao.Form_KeyPress(KeyAscii);
}
