#include "core/Globais.h"

#include "core/Premios.h"
#include "platform/Files.h"
#include "platform/Form.h"

std::int16_t ModoTela = 0;
std::int16_t TwipsX = 0, TwipsY = 0;
std::int32_t LarguraPalco = 0, AlturaPalco = 0;
std::int32_t JanelaEsquerda = 0, JanelaTopo = 0;
float ArrastoX = 0, ArrastoY = 0;

Bool16 SomLigado = FALSO, MusicaLigada = FALSO;

std::string Aspas, Quebra;
std::string RaizCD, PastaPrograma, PastaSons, PastaAudio, PastaGraficos, PastaPackage,
    PastaGraficosHD;
std::string ArquivoConfig;
bool ConfigIlegivel = false;

std::string NomeJogador;
std::array<std::string, 6> PlacarNome;
std::array<std::uint8_t, 6> PlacarNivel{};
std::array<std::string, 24> PremioValor, PremioTexto;
std::uint8_t IndicePremio = 0;

std::int16_t NumPergunta = 0, Nivel = 0;
std::array<std::int16_t, MAX_PERGUNTAS + 1> CodPergunta{};
std::array<std::string, MAX_PERGUNTAS + 1> Perguntas;
std::array<std::array<std::string, 5>, MAX_PERGUNTAS + 1> Respostas;
std::array<std::int16_t, MAX_PERGUNTAS + 1> AlternativaCerta{};
std::vector<std::int16_t> Sorteados;

Bool16 NovoJogo = FALSO, EntradaTravada = FALSO;
std::uint32_t SerieJogo = 0;

std::uint32_t TempoAtual = 0;
constexpr std::uint64_t SEMENTE = 0x853C49E6748FEA9BULL;
std::uint64_t EstadoAleatorio = SEMENTE;
std::int16_t Resposta = 0;
std::function<std::string()> PastaDoExecutavel = ui::ExecutableFolder;
std::function<void()> AposSalvarConfig;

void RestauraGlobais() {
    ModoTela = 0;
    TwipsX = TwipsY = 0;
    LarguraPalco = AlturaPalco = 0;
    JanelaEsquerda = JanelaTopo = 0;
    ArrastoX = ArrastoY = 0;
    SomLigado = MusicaLigada = FALSO;
    Aspas = Quebra = "";
    RaizCD = PastaPrograma = PastaSons = PastaAudio = PastaGraficos = PastaPackage =
        PastaGraficosHD = "";
    ArquivoConfig = "";
    ConfigIlegivel = false;
    NomeJogador = "";
    PlacarNome.fill("");
    PlacarNivel.fill(0);
    PremioValor.fill("");
    PremioTexto.fill("");
    IndicePremio = 0;
    NumPergunta = Nivel = 0;
    CodPergunta.fill(0);
    Perguntas.fill("");
    for (auto& r : Respostas) {
        r.fill("");
    }
    AlternativaCerta.fill(0);
    Sorteados.clear();
    NovoJogo = EntradaTravada = FALSO;
    SerieJogo = 0;
    TempoAtual = 0;
    EstadoAleatorio = SEMENTE;
    Resposta = 0;
    PastaDoExecutavel = ui::ExecutableFolder;
    AposSalvarConfig = nullptr;
}

void InicializaGlobais() {
    Aspas = "\"";
    Quebra = "\r";
    ModoTela = 2;
    SomLigado = VERDADEIRO;
    MusicaLigada = VERDADEIRO;
    TwipsX = ui::TWIPS_PER_PIXEL;
    TwipsY = ui::TWIPS_PER_PIXEL;
    LarguraPalco = 640;
    AlturaPalco = 480;
    JanelaEsquerda = TwipsX * -640;
    JanelaTopo = TwipsY * -480;
}

void ValoresPadrao() {
    ArquivoConfig = "config.ini";
    MontaPremios();
}
