// The name entry: the player types a name with the keyboard and confirms it to start a game.
#pragma once

#include "screens/TelaPadrao.h"

#include <cstdint>

class frmNomeForm : public TelaPadrao {
  public:
    frmNomeForm();

    ui::Label lblSombra{Picture_Center};
    ui::Label lblNome{Picture_Center};
    ui::Line Cursor{Picture_Center};
    ui::Timer Timer_pisca{*this, 75};

    // Characters of the shown name; letters are refused from 10 on.
    std::uint8_t TamanhoNome = 0;

    void Form_KeyDown(int KeyCode, int Shift) override;
    void Picture_Center_MouseDown(int Button, int Shift, float X, float Y) override;
    void Timer_pisca_Timer();
    void lblNome_Change();
    void PosicionaCursor();
    void ContaLetras();
    void AtivaForm();

  protected:
    void ExtrasIniciais() override;
    void CarregaBotoes() override;
    void AcaoInicio() override;
    void AcaoBotao(int Index) override;

  private:
    void ApagaLetra();
    void AcrescentaLetra(char letra);
    void Confirma();
    // Right button in window mode: rolls the window up to its top strip, or back down.
    void EnrolaJanela();
};

extern ui::FormRef<frmNomeForm> frmNome;
