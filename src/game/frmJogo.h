// The game screen: the question store, its controls, and the parts it is made of, each one
// concern with its own state and timers.
#pragma once

#include "core/Globais.h"
#include "game/frmJogoAjudas.h"
#include "game/frmJogoConfirmacao.h"
#include "game/frmJogoCronometro.h"
#include "game/frmJogoExibicao.h"
#include "game/frmJogoFluxo.h"
#include "game/frmJogoJanela.h"
#include "game/frmJogoLayout.h"
#include "platform/DataControl.h"
#include "screens/TelaPadrao.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class frmJogoForm : public TelaPadrao {
  public:
    frmJogoForm();

    void Form_Load() override;
    void Form_KeyPress(int KeyAscii) override;
    void botao_Click(int Index) override;

    // The question database.
    ui::DataControl dtSC;

    std::int16_t TotalPerguntas = 0;
    std::int16_t PerguntaAtual = 0;

    // Question store: loads the questions of level `Nivel`, shuffled.
    void CarregaNivel();
    void AbrePerguntasNivel();
    void CarregaPerguntas();
    void EmbaralhaPerguntas();

    // One row of the database as stored, for the hidden listing.
    struct LinhaPergunta {
        std::int16_t cod = 0;
        std::string pergunta;
        std::array<std::string, 5> respostas; // 1 to 4; 1 is the right one
    };
    // The listing's query: every question of every level in stored order, into a scratch
    // list of its own; the store is not touched.
    std::vector<LinhaPergunta> LeTodasPerguntas();
    // Shows every question of the database in turn, each answered by a message box.
    void ListaTodasPerguntas();

    // Controls on the stage, bottom to top; `botao` (yes, no, stop) and `ImagemControl` come
    // from the skeleton. Element 0 of the shadow and marker arrays has no row and stays hidden.
    ui::Label lblSombraPergunta{Picture_Center};
    ui::Label lblPergunta{Picture_Center};
    ui::ControlArray<ui::Label> lblRespSombra{Picture_Center, 5};
    ui::ControlArray<ui::Label> lblResposta{Picture_Center, 5}; // 0 measures, 1 to 4 answers
    ui::ControlArray<ui::Image> Image_alt{Picture_Center, 5};
    ui::Label lblMSGSombra{Picture_Center};
    ui::Label lblMSG{Picture_Center};
    ui::Image Image_Tempo{Picture_Center};
    ui::Image Imagem_Valores{Picture_Center};
    ui::ControlArray<ui::Image> Ajuda{Picture_Center, 6};
    ui::PictureBox PicCartas{Palco()};
    ui::ControlArray<ui::Image> carta{PicCartas, 4};
    ui::PictureBox pic_Ajuda{Palco()};
    ui::Shape barra{static_cast<ui::Container&>(pic_Ajuda)};
    ui::ControlArray<ui::Label> lblAjuda{pic_Ajuda, 4};
    ui::ControlArray<ui::CommandButton> prog{Picture_Center, 7};

    // Which helps are used: 0 cards, 1 guests, 2 audience boards, 3 to 5 the skips.
    std::array<Bool16, 6> AjudaUsada{};

    // The parts, built after the controls they work on.
    LayoutJogo layout{*this};
    ExibicaoJogo exibicao{*this};
    CronometroJogo cronometro{*this};
    ConfirmacaoJogo confirmacao{*this};
    FluxoJogo fluxo{*this};
    JanelaJogo janela{*this};
    AjudasJogo ajudas{*this};

  protected:
    void AcaoInicio() override;
    void AcaoBotao(int Index) override;
    void TestaHover(int x, int y) override;

  private:
    // The stage as the container of a panel (a panel is itself a control that could be copied).
    ui::Container& Palco() { return Picture_Center; }
    // Runs the current record source, counting rows as the level query does.
    long ContaLinhas();
    LinhaPergunta LeLinha() const;
};

extern ui::FormRef<frmJogoForm> frmJogo;
