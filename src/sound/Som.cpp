#include "sound/Som.h"

#include "core/Espera.h"
#include "core/Figuras.h"
#include "core/Globais.h"
#include "platform/Application.h"
#include "platform/Files.h"
#include "sound/frmPreto.h"

std::string DoisDigitos(int n) {
    const std::string digitos = std::to_string(n);
    return digitos.size() < 2 ? "0" + digitos : digitos;
}

namespace {

std::string Variacao(const std::string& nome, int n) {
    return nome + "-" + DoisDigitos(n);
}

ui::MediaPlayer& Narracao() {
    return frmPreto->MMControl1;
}

ui::MediaPlayer& Musica() {
    return frmPreto->MMControl2;
}

} // namespace

Guarda TocaSom(const std::string& nome, int flags) {
    Guarda guarda;
    if (!Sim(SomLigado)) {
        return guarda;
    }
    ui::DoEvents();
    // What ran meanwhile closed the caller's screen or ended its game: its sound is moot.
    if (!guarda) {
        return guarda;
    }
    CursorTela(ui::vbHourglass);
    ui::PlaySoundFile(PastaSons + nome + ".WAV", flags);
    CursorTela(ui::vbCustom);
    return guarda;
}

Guarda TocaSomVariado(const std::string& nome, int flags) {
    const int quantas = ContaVariacoes(nome);
    return TocaSom(Variacao(nome, Aleatorio(1, quantas)), flags);
}

std::int16_t ContaVariacoes(const std::string& nome) {
    int n = 1;
    while (ui::FileExists(PastaSons + Variacao(nome, n) + ".wav")) {
        ++n;
    }
    return static_cast<std::int16_t>(n - 1);
}

void SilenciaEfeito() {
    (void)TocaSom("mudo", ui::SND_NODEFAULT);
}

void AbreNarracao(const std::string& nome) {
    if (!Sim(SomLigado)) {
        return;
    }
    Narracao().Command("close");
    Narracao().FileName = PastaAudio + nome + ".wav";
    Narracao().Command("open");
}

void TocaNarracao(const std::string& /*modo*/) {
    if (!Sim(SomLigado)) {
        return;
    }
    Narracao().Command("play");
}

void ParaNarracao() {
    Narracao().Command("stop");
}

void FechaNarracao() {
    Narracao().Command("close");
}

void AbreMusica(const std::string& nome, const std::string& /*modo*/) {
    if (!Sim(MusicaLigada)) {
        return;
    }
    Musica().Command("stop");
    Musica().Command("close");
    Musica().FileName = PastaSons + nome + ".mid";
    Musica().Command("open");
}

void VoltaMusica() {
    Musica().Command("prev");
}

void TocaMusica() {
    Musica().Command("play");
}

void ParaMusica() {
    Musica().Command("stop");
}

void SilenciaSons() {
    SilenciaEfeito();
    FechaNarracao();
}

void PararTodosSons() {
    SilenciaSons();
    ParaMusica();
}
