#include "core/ModoTela.h"

#include "core/Figuras.h"
#include "core/Globais.h"
#include "core/TelaBase.h"
#include "platform/Application.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

int Arredonda(float v) {
    return static_cast<int>(std::nearbyint(v));
}

// The display that holds most of the window (in twips), or the primary one when it lies on
// none.
ui::ScreenArea TelaDaJanela(std::int64_t esquerda, std::int64_t topo, std::int64_t largura,
                            std::int64_t altura) {
    const std::vector<ui::ScreenArea> telas = ui::App().backend().Displays();
    ui::ScreenArea melhor = telas.front();
    std::int64_t maiorArea = 0;
    for (const ui::ScreenArea& t : telas) {
        const std::int64_t l = std::int64_t{t.x} * TwipsX, a = std::int64_t{t.y} * TwipsY;
        const std::int64_t w =
            std::min(esquerda + largura, l + std::int64_t{t.w} * TwipsX) - std::max(esquerda, l);
        const std::int64_t h =
            std::min(topo + altura, a + std::int64_t{t.h} * TwipsY) - std::max(topo, a);
        if (w > 0 && h > 0 && w * h > maiorArea) {
            maiorArea = w * h;
            melhor = t;
        }
    }
    return melhor;
}

// A window that would show less than 8 pixels of itself on its display is centred on that
// display instead, so that the player can always reach it.
void TrazParaTela() {
    // In 64 bits: a damaged settings file may hold any 32-bit position.
    const std::int64_t margem = 8 * TwipsX;
    const std::int64_t largura = std::int64_t{LarguraPalco} * TwipsX;
    const std::int64_t altura = std::int64_t{AlturaPalco} * TwipsY;
    const std::int64_t esquerda = JanelaEsquerda;
    const std::int64_t topo = JanelaTopo;
    const ui::ScreenArea tela = TelaDaJanela(esquerda, topo, largura, altura);
    const std::int64_t telaX = std::int64_t{tela.x} * TwipsX;
    const std::int64_t telaY = std::int64_t{tela.y} * TwipsY;
    const std::int64_t telaL = std::int64_t{tela.w} * TwipsX;
    const std::int64_t telaA = std::int64_t{tela.h} * TwipsY;
    const bool foraH = esquerda + largura < telaX + margem || esquerda > telaX + telaL - margem;
    const bool foraV = topo + altura < telaY + margem || topo > telaY + telaA - margem;
    if (foraH || foraV) {
        JanelaEsquerda = static_cast<std::int32_t>(telaX + (telaL - largura) / 2 / TwipsX * TwipsX);
        JanelaTopo = static_cast<std::int32_t>(telaY + (telaA - altura) / 2 / TwipsY * TwipsY);
    }
}

void AjustaJanela(TelaBase& frm) {
    frm.BackColor(0);
    frm.WindowState(ui::vbNormal);
    TrazParaTela();
    frm.Move(JanelaEsquerda, JanelaTopo, LarguraPalco * TwipsX, AlturaPalco * TwipsY);
    frm.Picture_Center.Move(0, 0, 640, 480);
    JanelaEsquerda = frm.Left();
    JanelaTopo = frm.Top();
}

void AjustaTelaCheia(TelaBase& frm) {
    const int largura = ui::App().ScreenWidthTwips();
    const int altura = ui::App().ScreenHeightTwips();
    frm.BackColor(0);
    frm.Move(0, 0, largura, altura);
    frm.WindowState(ui::vbMaximized);
    const float esquerda = (static_cast<float>(largura) / TwipsX - 640) / 2;
    const float topo = (static_cast<float>(altura) / TwipsY - 480) / 2;
    frm.Picture_Center.Move(esquerda, topo, 640, 480);
}

} // namespace

void AjustaTela(TelaBase& frm) {
    CursorTela(ui::vbCustom);
    if (ModoTela == 1) {
        AjustaJanela(frm);
    } else if (ModoTela == 2) {
        AjustaTelaCheia(frm);
    }
}

void PosicionaForm(TelaBase& frm) {
    AjustaTela(frm);
    if (JanelaEsquerda >= -((LarguraPalco - 8) * TwipsX)) {
        // A maximised screen does not move: the position waits for the next window mode. A
        // mode that lays nothing out leaves the window where the file says: on a display too.
        if (frm.WindowState() == ui::vbNormal) {
            TrazParaTela();
            frm.Move(JanelaEsquerda, JanelaTopo);
        }
    } else {
        JanelaEsquerda = frm.Left();
        JanelaTopo = frm.Top();
    }
    EntradaTravada = FALSO;
}

void AlternaModoTela(TelaBase& frm) {
    if (ModoTela == 1) {
        ModoTela = 2;
    } else {
        ModoTela = 1;
        JanelaEsquerda = -(TwipsX * LarguraPalco);
        JanelaTopo = -(TwipsY * AlturaPalco);
    }
    AjustaTela(frm);
}

void ArrastaJanela(TelaBase& frm, float X, float Y) {
    if (frm.WindowState() != ui::vbNormal) {
        return;
    }
    const float topo = static_cast<float>(frm.Top());
    const float esquerda = static_cast<float>(frm.Left());
    const float novoTopo = static_cast<float>(TwipsY) * Y - ArrastoY + topo;
    const float novaEsquerda = static_cast<float>(TwipsX) * X - ArrastoX + esquerda;
    frm.Move(Arredonda(novaEsquerda), Arredonda(novoTopo));
    JanelaEsquerda = frm.Left();
    JanelaTopo = frm.Top();
}
