#include "game/frmJogoFluxo.h"

#include "core/Espera.h"
#include "core/Globais.h"
#include "game/frmJogo.h"
#include "game/frmStatus.h"
#include "screens/frmMenu.h"
#include "screens/frmParabens.h"
#include "screens/frmPremio.h"
#include "sound/Som.h"

namespace {

constexpr std::int16_t ULTIMA_PERGUNTA = 16;
constexpr std::int16_t VITORIA = ULTIMA_PERGUNTA + 1;
constexpr std::uint8_t PREMIO_MAXIMO = 22;

std::size_t Linha(int i) {
    return static_cast<std::size_t>(i);
}

std::int16_t NivelDaPergunta(std::int16_t pergunta) {
    if (pergunta <= 5) {
        return 1;
    }
    return pergunta <= 10 ? 2 : 3;
}

} // namespace

std::array<LinhaPremio, 17> TabelaPremio() {
    constexpr std::array<std::int16_t, 17> acerto{0,  2,  4,  6,  7,  8,  9,  11, 13,
                                                  14, 15, 16, 18, 19, 20, 21, 22};
    constexpr std::array<std::int16_t, 17> errou{0,  0,  1,  2,  3,  4,  5,  8, 9,
                                                 10, 11, 12, 15, 16, 17, 18, 0};
    std::array<LinhaPremio, 17> tabela{};
    for (std::size_t q = 1; q < tabela.size(); ++q) {
        tabela[q] = {errou[q], acerto[q - 1], acerto[q]};
    }
    return tabela;
}

FluxoJogo::FluxoJogo(frmJogoForm& jogo) : jogo_(jogo) {
    jogo.lblResposta.OnClick([this](int i) { lblResposta_Click(i); });
}

void FluxoJogo::IniciaVariaveis() {
    NumPergunta = 1;
    Nivel = 1;
    jogo_.PerguntaAtual = 1;
    jogo_.confirmacao.Acao = acao::NADA;
    PlacaX = {32, 144, 84, 152, 0};
    PlacaY = {48, 48, 112, 128, 0};
    ConvidadoX = {92, 32, 152, 0, 0};
    ConvidadoY = {88, 136, 136, 0, 0};
}

void FluxoJogo::IniciaJogo() {
    jogo_.PerguntaAtual = 1;
    IndicePremio = 0;
    jogo_.exibicao.MostraPerguntaAtual();
}

void FluxoJogo::FazPergunta() {
    auto& j = jogo_;
    // Past the store's last row is outside what the game can ask.
    const auto linha = Linha(j.PerguntaAtual);
    j.cronometro.MostraTempo(1);
    j.lblPergunta.Caption(Perguntas.at(linha));
    for (std::int16_t a = 1; a <= 4; ++a) {
        j.exibicao.PoeAlternativa(Respostas.at(linha)[Linha(a)], a);
    }
    j.layout.MostraValores();
    ++perguntasFeitas_;
    j.confirmacao.Acao = acao::NADA;
    j.exibicao.TravaAlternativas(false);
    j.ajudas.HabilitaAjudas(true);
    if (!TocaSomVariado("qualaresposta", 2)) {
        return;
    }
    j.cronometro.IniciaTempo();
}

void FluxoJogo::ProximaPergunta() {
    jogo_.exibicao.DesmarcaAlternativa(jogo_.confirmacao.RespostaEscolhida);
    ++jogo_.PerguntaAtual;
    FazPergunta();
}

void FluxoJogo::lblResposta_Click(int Index) {
    auto& j = jogo_;
    if (encerrado_ || j.confirmacao.Acao != acao::NADA) {
        return;
    }
    j.confirmacao.Acao = acao::RESPOSTA;
    if (!TocaSom("click", 2)) {
        return;
    }
    j.exibicao.MarcaAlternativa(Index);
    j.confirmacao.RespostaEscolhida = static_cast<std::int16_t>(Index);
    j.exibicao.TravaAlternativas(true);
    j.ajudas.HabilitaAjudas(false);
    j.confirmacao.PerguntaCerteza();
}

bool FluxoJogo::ConfereResposta() {
    if (jogo_.confirmacao.RespostaEscolhida != AlternativaCerta.at(Linha(jogo_.PerguntaAtual))) {
        return false;
    }
    AvancaPergunta();
    return true;
}

void FluxoJogo::AvancaPergunta() {
    const std::int16_t nivelAnterior = Nivel;
    ++NumPergunta;
    if (NumPergunta <= ULTIMA_PERGUNTA) {
        Nivel = NivelDaPergunta(NumPergunta);
    }
    if (NumPergunta == ULTIMA_PERGUNTA) {
        jogo_.ajudas.BloqueiaAjudas();
    }
    if (Nivel != nivelAnterior && Nivel >= 2) {
        jogo_.CarregaNivel();
    }
}

void FluxoJogo::TrataAcerto() {
    auto& j = jogo_;
    j.cronometro.ParaTempo();
    j.exibicao.MostraMensagem("Acertou!");
    ParaMusica();
    if (NumPergunta == VITORIA) {
        TrataVitoria();
        return;
    }
    if (!TocaSomVariado("acerto", 2)) {
        return;
    }
    j.exibicao.MostraMensagem("");
    j.pic_Ajuda.Visible(false);
    if (!MostraStatus()) {
        return;
    }
    ProximaPergunta();
}

void FluxoJogo::TrataErro() {
    if (!ComecaFim()) {
        return;
    }
    ParaMusica();
    jogo_.exibicao.MostraMensagem("Errou!");
    if (!TocaSomVariado("errar", 2)) {
        return;
    }
    CalculaPremio("errou");
    FimDeJogo();
}

void FluxoJogo::TrataVitoria() {
    if (!ComecaFim()) {
        return;
    }
    jogo_.exibicao.MostraMensagem("Ganhou!!!");
    if (!TocaSomVariado("ganhou", 2)) {
        return;
    }
    if (!Espera(999)) {
        return;
    }
    CalculaPremio("ganhou");
    FimDeJogo();
}

void FluxoJogo::CalculaPremio(const std::string& palavra) {
    const auto tabela = TabelaPremio();
    const std::string p = EmMaiusculas(palavra);
    if (p == "ERROU") {
        IndicePremio = static_cast<std::uint8_t>(tabela.at(Linha(NumPergunta)).errou);
    } else if (p == "PAROU") {
        IndicePremio = static_cast<std::uint8_t>(tabela.at(Linha(NumPergunta)).parou);
    } else if (p == "GANHOU") {
        IndicePremio = PREMIO_MAXIMO;
    }
}

void FluxoJogo::FimDeJogo() {
    jogo_.cronometro.ParaTempo();
    ParaMusica();
    if (IndicePremio == 0 && NumPergunta == 1) {
        frmMenu.Show();
    } else if (IndicePremio != PREMIO_MAXIMO) {
        frmPremio.Show();
    } else {
        frmParabens.Show();
    }
    jogo_.Unload();
}

bool FluxoJogo::ComecaFim() {
    if (encerrado_) {
        return false;
    }
    encerrado_ = true;
    ++SerieJogo;
    return true;
}
