#include "core/Config.h"

#include "core/ArquivoSequencial.h"
#include "core/Globais.h"
#include "platform/Application.h"
#include "platform/Files.h"

#include <limits>

namespace {

constexpr std::size_t LINHAS = 16;

template <class T> void LeInteiro(const std::string& linha, T& destino) {
    const auto valor = LeitorSequencial(linha).Numero();
    if (valor && *valor >= std::numeric_limits<T>::min() &&
        *valor <= std::numeric_limits<T>::max()) {
        destino = static_cast<T>(*valor);
    }
}

void LeBooleano(const std::string& linha, Bool16& destino) {
    if (const auto valor = LeitorSequencial(linha).Booleano()) {
        destino = ParaBool16(*valor);
    }
}

void LeTexto(const std::string& linha, std::string& destino) {
    if (const auto valor = LeitorSequencial(linha).Texto()) {
        destino = *valor;
    }
}

// A rung is a byte; one beyond the ladder is kept and reads as the empty label.
void LeDegrau(const std::string& linha, std::uint8_t& destino) {
    const auto valor = LeitorSequencial(linha).Numero();
    destino = valor && *valor >= 0 && *valor <= 255 ? static_cast<std::uint8_t>(*valor) : 0;
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

} // namespace

void LeConfig() {
    const std::string arquivo = PastaPrograma + ArquivoConfig;
    // A save cut short by the end of the process leaves its temporary behind.
    ui::RemoveStaleReplacement(ui::ResolvePath(arquivo));
    using Situacao = ui::FileContent::Status;
    const ui::FileContent conteudo = LeArquivo(arquivo);
    const bool lido = conteudo.status == Situacao::Ok || conteudo.status == Situacao::TooLarge;
    ConfigIlegivel = !lido && conteudo.status != Situacao::Missing;
    if (!lido) {
        return; // the start-up defaults stand
    }
    // Each value from its own line, so that a damaged one leaves the others as they were; of
    // a file beyond the bound, the lines at its start.
    const std::vector<std::string> linhas = Linhas(conteudo.bytes, LINHAS);
    std::size_t proxima = 0;
    const auto linha = [&]() -> std::string {
        return proxima < linhas.size() ? linhas[proxima++] : "";
    };
    LeInteiro(linha(), ModoTela);
    LeInteiro(linha(), JanelaEsquerda);
    LeInteiro(linha(), JanelaTopo);
    LeBooleano(linha(), MusicaLigada);
    LeBooleano(linha(), SomLigado);
    LeTexto(linha(), NomeJogador);
    for (int i = 1; i <= 5; ++i) {
        LeTexto(linha(), PlacarNome[i]);
        LeDegrau(linha(), PlacarNivel[i]);
    }
}

void SalvaConfig() {
    const std::string destino = ui::ResolvePath(PastaPrograma + ArquivoConfig);
    if (ConfigIlegivel || !ui::ReplaceFile(destino, ConteudoConfig())) {
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
