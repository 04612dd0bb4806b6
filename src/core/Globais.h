// Process-wide state shared by every screen, under the names the screens use.
//
// Every variable that lives for the whole process is defined in Globais.cpp, and
// RestauraGlobais() there puts each back as the process starts with it: a new one goes into
// both. (The program's RestauraEstado() restores these and the state of the lower layers.)
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Truth values are 16-bit: -1 true, 0 false.
using Bool16 = std::int16_t;
constexpr Bool16 VERDADEIRO = -1;
constexpr Bool16 FALSO = 0;

inline bool Sim(Bool16 v) {
    return v != FALSO;
}
inline Bool16 ParaBool16(bool b) {
    return b ? VERDADEIRO : FALSO;
}

constexpr int MAX_PERGUNTAS = 2000;
constexpr int RUNGS = 23;

// Display and window placement.
extern std::int16_t ModoTela;
extern std::int16_t TwipsX, TwipsY;
extern std::int32_t LarguraPalco, AlturaPalco;
extern std::int32_t JanelaEsquerda, JanelaTopo;
extern float ArrastoX, ArrastoY;

// Sound switches.
extern Bool16 SomLigado, MusicaLigada;

// Texts and folders.
extern std::string Aspas, Quebra;
extern std::string RaizCD, PastaPrograma, PastaSons, PastaAudio, PastaGraficos, PastaPackage,
    PastaGraficosHD;
extern std::string ArquivoConfig;
// The settings file is there but nothing of it could be read: a save would lose its rows, so
// it is left as it is.
extern bool ConfigIlegivel;

// Player, score board and prize ladder.
extern std::string NomeJogador;
extern std::array<std::string, 6> PlacarNome;
extern std::array<std::uint8_t, 6> PlacarNivel;
extern std::array<std::string, 24> PremioValor, PremioTexto;
extern std::uint8_t IndicePremio;

// Game progress and the question store.
extern std::int16_t NumPergunta, Nivel;
extern std::array<std::int16_t, MAX_PERGUNTAS + 1> CodPergunta;
extern std::array<std::string, MAX_PERGUNTAS + 1> Perguntas;
extern std::array<std::array<std::string, 5>, MAX_PERGUNTAS + 1> Respostas;
extern std::array<std::int16_t, MAX_PERGUNTAS + 1> AlternativaCerta;
extern std::vector<std::int16_t> Sorteados;

// Flow flags.
extern Bool16 NovoJogo, EntradaTravada;
// Counts the starts and ends of games, so that a handler that waited can tell that the game
// it was playing has ended meanwhile.
extern std::uint32_t SerieJogo;

// The last tick sample taken by a wait.
extern std::uint32_t TempoAtual;
// The random generator's state.
extern std::uint64_t EstadoAleatorio;
// The player's last answer to the picture-error dialog.
extern std::int16_t Resposta;
// Where the running program lies; tests point it elsewhere.
extern std::function<std::string()> PastaDoExecutavel;
// Runs after the settings are saved; the sound module closes the narration through it.
extern std::function<void()> AposSalvarConfig;

void InicializaGlobais();
void ValoresPadrao();
// Puts every variable above back as the process starts with it.
void RestauraGlobais();
