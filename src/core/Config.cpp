#include "core/Config.h"

#include "core/ArquivoSequencial.h"
#include "core/Globais.h"
#include "platform/Application.h"
#include "platform/Files.h"

#include <cstdio>
#include <limits>
#include <unistd.h>

namespace {

template <class T> void LeInteiro(LeitorSequencial& leitor, T& destino) {
    const auto valor = leitor.Numero();
    if (valor && *valor >= std::numeric_limits<T>::min() &&
        *valor <= std::numeric_limits<T>::max()) {
        destino = static_cast<T>(*valor);
    }
}

void LeBooleano(LeitorSequencial& leitor, Bool16& destino) {
    if (const auto valor = leitor.Booleano()) {
        destino = ParaBool16(*valor);
    }
}

void LeTexto(LeitorSequencial& leitor, std::string& destino) {
    if (const auto valor = leitor.Texto()) {
        destino = *valor;
    }
}

// A rung outside the ladder would index past it later.
void LeDegrau(LeitorSequencial& leitor, std::uint8_t& destino) {
    const auto valor = leitor.Numero();
    destino = valor && *valor >= 0 && *valor < RUNGS ? static_cast<std::uint8_t>(*valor) : 0;
}

std::string ConteudoConfig() {
    GravadorSequencial g;
    g.Numero(ModoTela);
    g.Numero(JanelaEsquerda);
    g.Numero(JanelaTopo);
    g.Booleano(Sim(MusicaLigada));
    g.Booleano(Sim(SomLigado));
    g.Texto(NomeJogador);
    for (int i = 1; i <= 5; ++i) {
        g.Texto(PlacarNome[i]);
        g.Numero(PlacarNivel[i]);
    }
    return g.Conteudo();
}

// Writes beside the old file and renames over it, so that an interrupted write never leaves
// a file that the next start cannot read.
bool GravaSubstituindo(const std::string& destino, const std::string& conteudo) {
    const std::string temporario = destino + ".novo";
    std::FILE* f = std::fopen(temporario.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    const bool escrito = std::fwrite(conteudo.data(), 1, conteudo.size(), f) == conteudo.size() &&
                         std::fflush(f) == 0 && fsync(fileno(f)) == 0;
    const bool fechado = std::fclose(f) == 0;
    if (!escrito || !fechado || std::rename(temporario.c_str(), destino.c_str()) != 0) {
        std::remove(temporario.c_str());
        return false;
    }
    return true;
}

} // namespace

void LeConfig() {
    const auto conteudo = LeArquivo(PastaPrograma + ArquivoConfig);
    if (!conteudo) {
        return; // first run: the start-up defaults stand until the next save
    }
    LeitorSequencial leitor(*conteudo);
    LeInteiro(leitor, ModoTela);
    LeInteiro(leitor, JanelaEsquerda);
    LeInteiro(leitor, JanelaTopo);
    LeBooleano(leitor, MusicaLigada);
    LeBooleano(leitor, SomLigado);
    LeTexto(leitor, NomeJogador);
    for (int i = 1; i <= 5; ++i) {
        LeTexto(leitor, PlacarNome[i]);
        LeDegrau(leitor, PlacarNivel[i]);
    }
}

void SalvaConfig() {
    const std::string destino = ui::ResolvePath(PastaPrograma + ArquivoConfig);
    if (!GravaSubstituindo(destino, ConteudoConfig())) {
        ui::App().MsgBox("Não foi possível gravar as configurações em:" + Quebra + Quebra +
                             destino + Quebra + Quebra + "O arquivo anterior foi mantido.",
                         ui::vbExclamation, ui::APP_TITLE);
    }
    if (AposSalvarConfig) {
        AposSalvarConfig();
    }
}

void ZeraPlacar() {
    for (int i = 1; i <= 5; ++i) {
        PlacarNome[i].clear();
        PlacarNivel[i] = 0;
    }
}
