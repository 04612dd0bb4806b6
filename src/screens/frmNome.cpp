#include "screens/frmNome.h"

#include "core/Config.h"
#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "game/frmStatus.h"
#include "platform/Application.h"
#include "platform/Colour.h"
#include "screens/frmMenu.h"
#include "screens/frmSaida.h"
#include "sound/Som.h"

#include <algorithm>
#include <cmath>

ui::FormRef<frmNomeForm> frmNome;

namespace {

const Comportamento NOME{
    .fundo = "bgnome",
    .intervaloInicio = 500,
    .arrasta = true,
    .testaHover = true,
    .cantosVivos = true,
    .sonsClique = {"switch"},
    .piscadas = 5,
    .msPiscada = 80,
    .travaEntrada = true,
    .botoes = {{172, 330, 77, 69}, {283, 328, 77, 69}, {392, 332, 77, 69}},
    .cantos = {{{612, 42, 21, 17}, {602, 17, 21, 17}, {578, 8, 21, 21}}},
};

enum { CONFIRMAR, SAIR, MENU };

constexpr int LIMITE_NOME = 10;
constexpr int TAMANHO_CURSOR = 20;
constexpr int ALTURA_ENROLADA = 33;
constexpr int PASSO_ENROLA = 20;
constexpr int BOTAO_ESQUERDO = 1;
constexpr int BOTAO_DIREITO = 2;

enum Tecla {
    ENTER = 13,
    BACKSPACE = 8,
    ESPACO = 32,
    LETRA_A = 65,
    LETRA_Z = 90,
    F1 = 112,
    F2 = 113,
    F3 = 114
};

float Arredonda(float v) {
    return std::nearbyint(v);
}

// A name read from the settings file may hold multi-byte characters: they count as one and
// go as one.
bool Continuacao(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

frmNomeForm::frmNomeForm() : TelaPadrao(NOME) {
    for (ui::Label* rotulo : {&lblSombra, &lblNome}) {
        rotulo->FontBold(true);
        rotulo->FontSize(21.75f);
        rotulo->BackStyle(0);
        rotulo->AutoSize(true);
    }
    lblNome.ForeColor(ui::RGB(255, 255, 255));
    lblSombra.ForeColor(ui::RGB(0, 0, 0));
    lblNome.Move(156, 276);
    lblNome.Change = [this] { lblNome_Change(); };
    Cursor.BorderColor(ui::RGB(0, 0, 0));
    Timer_pisca.Tick = [this] { Timer_pisca_Timer(); };
}

void frmNomeForm::ExtrasIniciais() {
    ParaNarracao();
    lblNome.Caption(NomeJogador);
    PosicionaCursor();
    ContaLetras();
}

void frmNomeForm::CarregaBotoes() {
    // Each button before its corner button: the order of the dialogs for missing pictures.
    for (int i = 0; i <= 2; ++i) {
        botao[i].Visible(false);
        CarregaFigura(botao[i], "bot_nome_f" + std::to_string(i + 1));
        CarregaCanto("circ_nome_", i);
    }
}

void frmNomeForm::AcaoInicio() {
    AtivaForm();
    if (!TocaSom("conhecer")) {
        return;
    }
    Timer_pisca.Enabled(true);
}

void frmNomeForm::AtivaForm() {
    Enabled(true);
}

void frmNomeForm::Timer_pisca_Timer() {
    Cursor.BorderColor(ui::QBColor(Aleatorio(0, 15)));
}

void frmNomeForm::lblNome_Change() {
    lblSombra.Caption(lblNome.Caption());
}

void frmNomeForm::PosicionaCursor() {
    const float inicio = Arredonda(lblNome.Left()) + Arredonda(lblNome.Width());
    const float y = Arredonda(lblNome.Top() + lblNome.Height());
    Cursor.Ends(inicio, y, inicio + TAMANHO_CURSOR, y);
    lblSombra.Move(lblNome.Left() + 2, lblNome.Top() + 2);
}

// The count stops at 255, so that an overlong name from the settings file still refuses
// letters until it has been shortened.
void frmNomeForm::ContaLetras() {
    const auto& nome = lblNome.Caption();
    const auto letras =
        std::count_if(nome.begin(), nome.end(), [](char c) { return !Continuacao(c); });
    TamanhoNome = static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(letras, 255));
}

void frmNomeForm::ApagaLetra() {
    std::string nome = lblNome.Caption();
    if (!nome.empty()) {
        while (Continuacao(nome.back()) && nome.size() > 1) {
            nome.pop_back();
        }
        nome.pop_back();
        lblNome.Caption(nome);
        ContaLetras();
    }
    PosicionaCursor();
}

void frmNomeForm::AcrescentaLetra(char letra) {
    if (TamanhoNome < LIMITE_NOME) {
        lblNome.Caption(lblNome.Caption() + letra);
        ContaLetras();
    }
    PosicionaCursor();
}

void frmNomeForm::Form_KeyDown(int KeyCode, int) {
    if (Sim(EntradaTravada)) {
        return;
    }
    if (KeyCode == ENTER || KeyCode == F1) {
        botao_Click(CONFIRMAR);
    } else if (KeyCode == BACKSPACE) {
        ApagaLetra();
    } else if ((KeyCode >= LETRA_A && KeyCode <= LETRA_Z) || KeyCode == ESPACO) {
        AcrescentaLetra(static_cast<char>(KeyCode));
    } else if (KeyCode == F2) {
        botao_Click(SAIR);
    } else if (KeyCode == F3) {
        botao_Click(MENU);
    }
}

void frmNomeForm::AcaoBotao(int Index) {
    switch (Index) {
    case CONFIRMAR:
        Confirma();
        break;
    case SAIR:
        SalvaConfig();
        // The name entry stays beneath; nothing of it runs after the exit screen.
        frmSaida.Show(ui::vbModal);
        break;
    case MENU:
        frmMenu.Show();
        Unload();
        break;
    default:
        break;
    }
}

void frmNomeForm::Confirma() {
    if (lblNome.Caption().empty()) {
        EntradaTravada = FALSO;
        return;
    }
    NomeJogador = lblNome.Caption();
    NumPergunta = 1;
    NovoJogo = VERDADEIRO;
    if (!TocaSom("boasorte", 2)) {
        return;
    }
    if (!MostraStatus()) {
        return;
    }
    Unload();
}

void frmNomeForm::Picture_Center_MouseDown(int Button, int Shift, float X, float Y) {
    if (Button == BOTAO_DIREITO) {
        if (ModoTela != 2) {
            EnrolaJanela();
        }
        return;
    }
    if (Button == BOTAO_ESQUERDO) {
        TelaPadrao::Picture_Center_MouseDown(Button, Shift, X, Y);
    }
}

void frmNomeForm::EnrolaJanela() {
    const Guarda guarda(*this);
    const int enrolada = ALTURA_ENROLADA * TwipsY;
    const int cheia = AlturaPalco * TwipsY;
    const int passo = PASSO_ENROLA * TwipsY;
    const auto altura = [&](int h) {
        Move(Left(), Top(), Width(), h);
        ui::DoEvents();
        return static_cast<bool>(guarda);
    };
    if (Height() == enrolada) {
        for (int h = enrolada; h <= cheia; h += passo) {
            if (!altura(h)) {
                return;
            }
        }
        Move(Left(), Top(), Width(), cheia);
    } else {
        for (int h = Height(); h >= enrolada; h -= passo) {
            if (!altura(h)) {
                return;
            }
        }
        Move(Left(), Top(), Width(), enrolada);
    }
    // Nothing follows the effect.
    (void)TocaSom("wood");
}
