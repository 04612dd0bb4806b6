#include "game/frmJogoLayout.h"

#include "core/Figuras.h"
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "platform/Backend.h"
#include "sound/Som.h"
#include "sound/frmPreto.h"

#include <string>

namespace {

constexpr float FONTE = 14;

void Texto(ui::Label& lbl, std::uint32_t cor, int alinhamento) {
    lbl.FontSize(FONTE);
    lbl.FontBold(true);
    lbl.ForeColor(cor);
    lbl.Alignment(alinhamento);
    lbl.WordWrap(true);
}

struct Teste {
    const char* legenda;
    float esquerda, largura;
};

constexpr Teste TESTES[] = {{"Ca", 0, 25},          {"Co", 28, 25},       {"Pl", 56, 25},
                            {"Re", 84, 25},         {"PrxPerg", 112, 53}, {"Te", 168, 25},
                            {"Todas Perg", 196, 65}};

constexpr float AJUDAS[6][4] = {{395, 214, 57, 57}, {465, 214, 57, 57}, {533, 214, 57, 57},
                                {394, 284, 68, 66}, {464, 284, 67, 67}, {533, 284, 67, 67}};

constexpr float CARTAS[4][2] = {{32, 85}, {72, 78}, {111, 70}, {151, 63}};

} // namespace

LayoutJogo::LayoutJogo(frmJogoForm& jogo) : jogo_(jogo) {
    DesenhaTela();
}

// The stage as the screen is created, before the load lays it out.
void LayoutJogo::DesenhaTela() {
    auto& j = jogo_;
    j.Picture_Center.Picture(FiguraEmbutida("jogo_fundo"));
    j.lblPergunta.Move(228, 44, 365, 93);
    Texto(j.lblPergunta, cores::PRETO, ui::vbCenter);
    j.lblSombraPergunta.Move(230, 46, 365, 93);
    Texto(j.lblSombraPergunta, cores::BRANCO, ui::vbCenter);
    for (int i = 0; i <= 4; ++i) {
        const float altura = i == 3 ? 29 : 25;
        j.lblResposta[i].Move(88, 0, 261, altura);
        Texto(j.lblResposta[i], cores::BRANCO, ui::vbLeftJustify);
        j.lblResposta[i].MousePointer(ui::vbUpArrow);
        j.lblRespSombra[i].Move(692, 0, 261, altura);
        Texto(j.lblRespSombra[i], cores::PRETO, ui::vbLeftJustify);
        j.Image_alt[i].Move(692, 0, 28, 27);
    }
    auto& medida = j.lblResposta[0];
    medida.WordWrap(false);
    medida.AutoSize(true);
    medida.Move(88, 140);
    medida.Visible(false);
    j.lblRespSombra[0].Visible(false);
    j.Image_alt[0].Visible(false);
    j.lblMSG.Move(80, 332, 281, 25);
    Texto(j.lblMSG, cores::AMARELO, ui::vbCenter);
    j.lblMSG.Visible(false);
    j.lblMSGSombra.Move(80, 332, 281, 25);
    Texto(j.lblMSGSombra, cores::PRETO, ui::vbCenter);
    j.lblMSGSombra.Visible(false);
    j.Image_Tempo.Move(0, 370, 115, 110);
    j.Imagem_Valores.Move(377, 377, 240, 46);
    for (int i = 0; i < 6; ++i) {
        j.Ajuda[i].Move(AJUDAS[i][0], AJUDAS[i][1], AJUDAS[i][2], AJUDAS[i][3]);
        j.Ajuda[i].Visible(false);
        j.Ajuda[i].MousePointer(ui::vbUpArrow);
    }
    j.PicCartas.Picture(FiguraEmbutida("cartas_painel"));
    j.PicCartas.Move(0, 0, 244, 210);
    j.PicCartas.Visible(false);
    for (int i = 0; i < 4; ++i) {
        j.carta[i].Move(CARTAS[i][0], CARTAS[i][1], 61, 91);
        j.carta[i].MousePointer(ui::vbUpArrow);
    }
    j.pic_Ajuda.Move(0, 0, 241, 206);
    j.pic_Ajuda.Visible(false);
    j.barra.Move(28, 175, 185, 3);
    for (auto& lbl : j.lblAjuda) {
        lbl.Move(0, 0, 57, 37);
        lbl.FontSize(18);
        lbl.FontBold(true);
        // The panel pictures draw a box on each label; the caption sits in its middle.
        lbl.Alignment(ui::vbCenter);
    }
    for (int i = 0; i < 7; ++i) {
        j.prog[i].Caption(TESTES[i].legenda);
        j.prog[i].Move(TESTES[i].esquerda, 0, TESTES[i].largura, 17);
        j.prog[i].Visible(false);
    }
}

void LayoutJogo::MontaTela() {
    auto& j = jogo_;
    TopAlternativa = {0, 172, 213, 254, 294, 0};
    for (int i = 1; i <= 4; ++i) {
        j.lblResposta[i].Move(88, TopAlternativa[static_cast<std::size_t>(i)]);
        j.lblRespSombra[i].Move(j.lblResposta[i].Left() + 2, j.lblResposta[i].Top() + 2);
        j.Image_alt[i].Move(30, static_cast<float>((i - 1) * 41 + 170));
        j.Image_alt[i].Visible(false);
        CarregaFigura(j.Image_alt[i], std::to_string(i) + "-on", "hd");
    }
    // The lower two markers sit a pixel higher than the step of 41 would put them.
    j.Image_alt[3].Top(251);
    j.Image_alt[4].Top(292);
    for (int i = 0; i <= 2; ++i) {
        CarregaFigura(j.ImagemControl[i], "circ_jogo_" + std::to_string(i));
        j.ImagemControl[i].Visible(false);
        j.botao[i].Visible(false);
    }
    CarregaFigura(j.botao[0], "bot_jogo_sim", "hd");
    CarregaFigura(j.botao[1], "bot_jogo_nao", "hd");
    CarregaFigura(j.botao[2], "bot_jogo_parar", "hd");
    for (int i = 0; i <= 5; ++i) {
        CarregaFigura(j.Ajuda[i], "overAjuda_" + std::to_string(i), "hd");
    }
}

void LayoutJogo::AplicaCursores() {
    auto& j = jogo_;
    const ui::Picture& ponteiro = frmPreto->Image1.Picture();
    const auto aplica = [&ponteiro](ui::Control& ctl) {
        ctl.MouseIcon(ponteiro);
        ctl.MousePointer(ui::vbCustom);
    };
    for (int i = 0; i <= 2; ++i) {
        aplica(j.botao[i]);
    }
    for (int i = 1; i <= 4; ++i) {
        aplica(j.lblResposta[i]);
    }
    for (auto& ajuda : j.Ajuda) {
        aplica(ajuda);
    }
    for (auto& c : j.carta) {
        aplica(c);
    }
}

void LayoutJogo::LiberaTela() {
    jogo_.Picture_Center.Enabled(true);
}

void LayoutJogo::MostraValores() {
    CarregaFigura(jogo_.Imagem_Valores, "valores " + DoisDigitos(NumPergunta));
}
