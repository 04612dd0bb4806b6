#include "game/frmJogoExibicao.h"

#include "core/Globais.h"
#include "game/frmJogo.h"
#include "platform/Backend.h"

#include <cctype>

namespace {

// Fitting: the largest size from 14 points down to 6 at which the answer's one-line width
// stays below this.
constexpr float LARGURA_LIMITE = 262;
constexpr int MAIOR_FONTE = 14;
constexpr int MENOR_FONTE = 6;

// Smaller sizes sit lower in the row.
int DesceLinha(int tamanho) {
    if (tamanho == MAIOR_FONTE) {
        return 0;
    }
    return tamanho >= 11 ? 2 : 4;
}

} // namespace

std::string EmMaiusculas(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        const auto seguinte = i + 1 < texto.size() ? static_cast<unsigned char>(texto[i + 1]) : 0;
        // U+00E0 to U+00FE, but for the division sign U+00F7, have their capital 0x20 lower.
        if (c == 0xC3 && seguinte >= 0xA0 && seguinte <= 0xBE && seguinte != 0xB7) {
            saida += static_cast<char>(c);
            saida += static_cast<char>(seguinte - 0x20);
            ++i;
        } else if (c < 0x80) {
            saida += static_cast<char>(std::toupper(c));
        } else {
            saida += static_cast<char>(c);
        }
    }
    return saida;
}

ExibicaoJogo::ExibicaoJogo(frmJogoForm& jogo) : jogo_(jogo) {
    jogo.lblPergunta.Change = [this] { lblPergunta_Change(); };
    jogo.lblPergunta.MouseDown = [this](int b, int s, float x, float y) {
        lblPergunta_MouseDown(b, s, x, y);
    };
    jogo.lblPergunta.MouseMove = [this](int b, int s, float x, float y) {
        lblPergunta_MouseMove(b, s, x, y);
    };
    jogo.lblResposta.OnMouseMove(
        [this](int i, int b, int s, float x, float y) { lblResposta_MouseMove(i, b, s, x, y); });
}

void ExibicaoJogo::PoeAlternativa(const std::string& texto, std::int16_t i) {
    auto& medida = jogo_.lblResposta[0];
    auto& resposta = jogo_.lblResposta[i];
    auto& sombra = jogo_.lblRespSombra[i];
    medida.Caption(texto);
    resposta.Caption(texto);
    sombra.Caption(texto);
    int tamanho = MAIOR_FONTE;
    for (;;) {
        for (ui::Label* lbl : {&medida, &resposta, &sombra}) {
            lbl->FontSize(static_cast<float>(tamanho));
        }
        resposta.Visible(true);
        sombra.Visible(true);
        if (medida.Width() < LARGURA_LIMITE) {
            break;
        }
        if (--tamanho < MENOR_FONTE) {
            // Too wide even at the smallest size: the row keeps its tops.
            return;
        }
    }
    const auto topo = jogo_.layout.TopAlternativa[static_cast<std::size_t>(i)];
    resposta.Top(static_cast<float>(topo + DesceLinha(tamanho)));
    sombra.Top(resposta.Top() + 2);
}

void ExibicaoJogo::MarcaAlternativa(int i) {
    jogo_.lblResposta[i].ForeColor(cores::AMARELO);
    jogo_.Image_alt[i].Visible(true);
}

void ExibicaoJogo::DesmarcaAlternativa(int i) {
    jogo_.lblResposta[i].ForeColor(cores::BRANCO);
    jogo_.Image_alt[i].Visible(false);
}

void ExibicaoJogo::TravaAlternativas(bool trava) {
    const int ponteiro = trava ? ui::vbArrow : ui::vbCustom;
    for (int i = 1; i <= 4; ++i) {
        jogo_.lblResposta[i].MousePointer(ponteiro);
    }
}

void ExibicaoJogo::MostraMensagem(const std::string& texto) {
    jogo_.lblMSG.Caption(EmMaiusculas(texto));
    jogo_.lblMSGSombra.Caption(EmMaiusculas(texto));
    jogo_.lblMSGSombra.Visible(true);
    jogo_.lblMSG.Visible(true);
}

void ExibicaoJogo::RealcaResposta(std::int16_t i) {
    for (int r = 1; r <= 4; ++r) {
        jogo_.lblResposta[r].ForeColor(r == i ? cores::LAVANDA : cores::BRANCO);
    }
}

void ExibicaoJogo::RestauraCorRespostas() {
    for (int r = 1; r <= 4; ++r) {
        if (jogo_.lblResposta[r].ForeColor() != cores::BRANCO) {
            jogo_.lblResposta[r].ForeColor(cores::BRANCO);
        }
    }
}

void ExibicaoJogo::LimpaPergunta() {
    jogo_.lblPergunta.Caption("");
    for (int r = 1; r <= 4; ++r) {
        jogo_.lblResposta[r].Caption("");
        jogo_.lblRespSombra[r].Caption("");
    }
}

void ExibicaoJogo::MostraPerguntaAtual() {
    jogo_.fluxo.FazPergunta();
}

void ExibicaoJogo::lblPergunta_Change() {
    auto& sombra = jogo_.lblSombraPergunta;
    sombra.Caption(jogo_.lblPergunta.Caption());
    sombra.Move(jogo_.lblPergunta.Left() + 2, jogo_.lblPergunta.Top() + 2);
}

// The position stays the label's own, so the stage's hover tests light nothing here; a drag
// works on differences only and follows the pointer as on the bare stage.
void ExibicaoJogo::lblPergunta_MouseDown(int Button, int Shift, float X, float Y) {
    jogo_.Picture_Center_MouseDown(Button, Shift, X, Y);
}

void ExibicaoJogo::lblPergunta_MouseMove(int Button, int Shift, float X, float Y) {
    jogo_.Picture_Center_MouseMove(Button, Shift, X, Y);
}

void ExibicaoJogo::lblResposta_MouseMove(int Index, int, int, float, float) {
    if (jogo_.confirmacao.Acao == acao::NADA) {
        RealcaResposta(static_cast<std::int16_t>(Index));
    }
}
