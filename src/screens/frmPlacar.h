// The score board: the five best results, with the last game's result entered on opening.
#pragma once

#include "screens/TelaPadrao.h"

#include <cstdint>

class frmPlacarForm : public TelaPadrao {
  public:
    frmPlacarForm();

    // Shadows first, so that they lie behind their labels.
    ui::ControlArray<ui::Label> lblNomeSombra{Picture_Center, 5};
    ui::ControlArray<ui::Label> lblPremioSombra{Picture_Center, 5};
    ui::ControlArray<ui::Label> lblNome{Picture_Center, 5};
    ui::ControlArray<ui::Label> lblPremio{Picture_Center, 5};

    // The row this visit entered the last game's result into; 0 when none.
    std::int16_t PosicaoNova = 0;

    void botao_Click(int Index) override;
    void PosicionaLabels();
    void RebaixaDegrausInexistentes();
    void InserePlacar();
    void MostraPlacar();

  protected:
    void CarregaBotoes() override;
    void PreparaTela() override;
    void AcaoInicio() override { PiscaLinhaNova(); }
    void AcaoBotao(int Index) override;

  private:
    void PiscaLinhaNova();
    // Shows a row's labels as the board shows them: the prize text only beside a name.
    void MostraLinha(int i);
};

extern ui::FormRef<frmPlacarForm> frmPlacar;
