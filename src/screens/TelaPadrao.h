// The skeleton every screen is built on: the stage with its background, button highlights
// that light under the pointer and take the clicks, the three corner buttons, the one-shot
// start timer, window dragging and the click feedback. Each screen gives how it departs from
// it as data (`Comportamento`) and overrides only its own steps.
#pragma once

#include "core/TelaBase.h"

#include <array>
#include <string>
#include <vector>

struct Retangulo {
    int esquerda, topo, largura, altura;
};

struct Comportamento {
    std::string fundo;                   // background picture
    std::string narracao;                // narration track opened and started at load
    int intervaloInicio = 0;             // start timer, ms
    bool palcoPreto = false;             // the stage's background colour becomes black at load
    bool arrasta = false;                // the stage drags the window
    bool testaHover = false;             // a move on the stage runs the hover test
    bool cantosVivos = false;            // the hover test lights the corner buttons
    std::vector<std::string> sonsClique; // click effect: one for all buttons, or one each
    int piscadas = 0, msPiscada = 0;     // blink of a clicked button
    bool travaEntrada = false;           // a button action sets the input lock
    bool botoesAcesos = false;           // the button highlights start shown
    std::vector<Retangulo> botoes;       // `botao` rectangles
    std::array<Retangulo, 3> cantos{};   // `ImagemControl` rectangles
};

class TelaPadrao : public TelaBase {
  public:
    explicit TelaPadrao(const Comportamento& comportamento);

    ui::ControlArray<ui::Image> botao;
    ui::ControlArray<ui::Image> ImagemControl;
    ui::Timer Timer_load{*this};

    void Form_Load() override;

    virtual void botao_Click(int Index);
    void ImagemControl_Click(int Index);
    void ImagemControl_MouseMove(int Index, int Button, int Shift, float X, float Y);
    virtual void Picture_Center_MouseDown(int Button, int Shift, float X, float Y);
    void Picture_Center_MouseMove(int Button, int Shift, float X, float Y);
    void Timer_load_Timer();

  protected:
    // Steps of the load, in order, around the shared ones.
    virtual void ExtrasIniciais() {}
    virtual void CarregaBotoes() {}
    virtual void PreparaTela() {}

    virtual void AcaoInicio() {}
    virtual void AcaoBotao(int /*Index*/) {}
    // The hover test at a point of the stage in whole pixels.
    virtual void TestaHover(int x, int y);

    // Hides corner button `i` and loads "prefixo" followed by the index into it.
    void CarregaCanto(const std::string& prefixo, int i);
    // The same for the three corner buttons in turn.
    void CarregaCantos(const std::string& prefixo);

    const Comportamento& comportamento() const { return comportamento_; }

  private:
    const Comportamento& comportamento_;
};
