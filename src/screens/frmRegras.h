// The rules pages: four pictures leafed through with a wipe, and the way on to a game.
#pragma once

#include "screens/TelaPadrao.h"

#include <cstdint>

class frmRegrasForm : public TelaPadrao {
  public:
    frmRegrasForm();

    // The page shown, 1 to 4.
    std::int16_t Pagina = 0;
    // The page area; its top edge stays, the wipe changes its height.
    ui::PictureBox regra{static_cast<ui::Container&>(Picture_Center)};

    void MostraPagina();
    void regra_MouseDown(int Button, int Shift, float X, float Y);
    void regra_MouseMove(int Button, int Shift, float X, float Y);

  protected:
    void ExtrasIniciais() override { IniciaRegras(); }
    void CarregaBotoes() override;
    void AcaoInicio() override { MostraPagina(); }
    void AcaoBotao(int Index) override;
    void TestaHover(int x, int y) override;

  private:
    void IniciaRegras();
    // Each arrow takes clicks only where it leads to a page.
    void HabilitaSetas();
};

extern ui::FormRef<frmRegrasForm> frmRegras;
