#include "screens/TelaPadrao.h"

#include "core/Config.h"
#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/ModoTela.h"
#include "platform/Application.h"
#include "sound/Som.h"

#include <algorithm>

namespace {

void Posiciona(ui::Image& img, const Retangulo& r) {
    img.Move(static_cast<float>(r.esquerda), static_cast<float>(r.topo),
             static_cast<float>(r.largura), static_cast<float>(r.altura));
}

} // namespace

TelaPadrao::TelaPadrao(const Comportamento& comportamento)
    : botao(Picture_Center, static_cast<int>(comportamento.botoes.size())),
      ImagemControl(Picture_Center, 3), comportamento_(comportamento) {
    for (int i = 0; i < botao.Count(); ++i) {
        Posiciona(botao[i], comportamento.botoes[static_cast<std::size_t>(i)]);
        botao[i].Visible(comportamento.botoesAcesos);
        botao[i].MousePointer(ui::vbUpArrow);
    }
    for (int i = 0; i < 3; ++i) {
        Posiciona(ImagemControl[i], comportamento.cantos[static_cast<std::size_t>(i)]);
        ImagemControl[i].Visible(false);
        ImagemControl[i].MousePointer(ui::vbUpArrow);
    }
    Timer_load.Interval(comportamento.intervaloInicio);
    Timer_load.Tick = [this] { Timer_load_Timer(); };
    botao.OnClick([this](int i) { botao_Click(i); });
    ImagemControl.OnClick([this](int i) { ImagemControl_Click(i); });
    ImagemControl.OnMouseMove(
        [this](int i, int b, int s, float x, float y) { ImagemControl_MouseMove(i, b, s, x, y); });
    Picture_Center.MouseDown = [this](int b, int s, float x, float y) {
        Picture_Center_MouseDown(b, s, x, y);
    };
    Picture_Center.MouseMove = [this](int b, int s, float x, float y) {
        Picture_Center_MouseMove(b, s, x, y);
    };
}

void TelaPadrao::Form_Load() {
    CursorTela(ui::vbHourglass);
    PosicionaForm(*this);
    ExtrasIniciais();
    CarregaFundo(*this, comportamento_.fundo);
    const bool narrada = !comportamento_.narracao.empty();
    if (narrada) {
        AbreNarracao(comportamento_.narracao);
    }
    Caption("Quorvane");
    CarregaBotoes();
    PreparaTela();
    if (comportamento_.palcoPreto) {
        Picture_Center.BackColor(0);
    }
    if (narrada) {
        TocaNarracao("normal");
    }
    Timer_load.Enabled(true);
    CursorTela(ui::vbDefault);
}

void TelaPadrao::CarregaCanto(const std::string& prefixo, int i) {
    ImagemControl[i].Visible(false);
    CarregaFigura(ImagemControl[i], prefixo + std::to_string(i));
}

void TelaPadrao::CarregaCantos(const std::string& prefixo) {
    for (int i = 0; i < 3; ++i) {
        CarregaCanto(prefixo, i);
    }
}

void TelaPadrao::Timer_load_Timer() {
    Timer_load.Enabled(false);
    AcaoInicio();
}

// Clicks that come while another button's transition holds the input lock are ignored, so
// two overlapping actions never open two screens.
void TelaPadrao::botao_Click(int Index) {
    if (Sim(EntradaTravada)) {
        return;
    }
    if (comportamento_.travaEntrada) {
        EntradaTravada = VERDADEIRO;
    }
    const auto& sons = comportamento_.sonsClique;
    if (!TocaSom(sons.size() == 1 ? sons.front() : sons.at(static_cast<std::size_t>(Index)))) {
        return;
    }
    if (PiscaControle(botao[Index], comportamento_.piscadas, comportamento_.msPiscada)) {
        AcaoBotao(Index);
    }
}

void TelaPadrao::ImagemControl_Click(int Index) {
    if (!TocaSom("wood")) {
        return;
    }
    if (Index == 0) {
        WindowState(ui::vbMinimized);
    } else if (Index == 1) {
        ModoTela = ModoTela == 1 ? 2 : 1;
        const std::string titulo = Caption();
        Caption("");
        AjustaTela(*this);
        Caption(titulo);
    } else if (Index == 2) {
        SalvaConfig();
        ui::App().End(0);
    }
}

void TelaPadrao::ImagemControl_MouseMove(int Index, int, int, float, float) {
    if (Index == 0) {
        ImagemControl[1].Visible(false);
    } else if (Index == 1) {
        ImagemControl[0].Visible(false);
    }
}

void TelaPadrao::Picture_Center_MouseDown(int Button, int Shift, float X, float Y) {
    if (!comportamento_.arrasta || ModoTela == 2 || Button != 1) {
        return;
    }
    ArrastoX = static_cast<float>(TwipsX) * X;
    ArrastoY = static_cast<float>(TwipsY) * Y;
    Picture_Center_MouseMove(Button, Shift, X, Y);
}

void TelaPadrao::Picture_Center_MouseMove(int Button, int, float X, float Y) {
    if (Button == 1 && ModoTela == 1) {
        if (comportamento_.arrasta) {
            ArrastaJanela(*this, X, Y);
        }
        return;
    }
    if (comportamento_.testaHover) {
        TestaHover(Inteiro(X), Inteiro(Y));
    }
}

void TelaPadrao::TestaHover(int x, int y) {
    for (int i = 0; i < std::max(botao.Count(), 3); ++i) {
        if (i < botao.Count()) {
            AcendeSobMouse(x, y, botao[i]);
        }
        if (i < 3 && comportamento_.cantosVivos) {
            AcendeSobMouse(x, y, ImagemControl[i]);
        }
    }
}
