// The prize ladder between questions: a highlight climbs to the rung about to be played,
// blinks there, and a voice speaks that rung's value; the screen closes when the voice ends
// or at once on Enter, Space or a click on the highlight.
#pragma once

#include "core/Guarda.h"
#include "platform/MediaPlayer.h"
#include "screens/TelaPadrao.h"

#include <array>
#include <cstdint>
#include <string>

class frmStatusForm : public TelaPadrao {
  public:
    frmStatusForm();

    // Top edge of the highlight for each step, 1 to 16.
    std::array<std::int16_t, 17> PosicaoNivel{};
    std::int16_t Piscadas = 0;

    ui::ControlArray<ui::Image> Precache{Picture_Center, 16};
    ui::Image Imagem_Nivel{Picture_Center};
    ui::MediaPlayer MMControl3{*this, "MMControl3"};
    ui::Timer Timer_pisca{*this, 100};
    ui::Timer Timer_sair{*this, 200};

    void DefinePosicoes();
    void EscondeControles();
    void TocaWavStatus(const std::string& nome);
    void AnimaNivel();

    void Timer_pisca_Timer();
    void MMControl3_Done(int NotifyCode);
    void Form_KeyDown(int KeyCode, int Shift) override;
    void Imagem_Nivel_Click();
    void Timer_sair_Timer();
    void Form_Unload() override;

  protected:
    void PreparaTela() override;
    void AcaoInicio() override { AnimaNivel(); }
};

extern ui::FormRef<frmStatusForm> frmStatus;

// Between questions the status screen is modal: the caller learns whether it may go on.
Guarda MostraStatus();
