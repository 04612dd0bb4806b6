#include "core/Globais.h"

#include "core/Premios.h"

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

void ValoresPadrao() {
    ArquivoConfig = "config.ini";
    MontaPremios();
}
