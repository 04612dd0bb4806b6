#include "core/Pastas.h"

#include "core/ArquivoSequencial.h"
#include "core/Globais.h"
#include "platform/Application.h"
#include "platform/DataControl.h"
#include "platform/Files.h"

#include <cctype>

namespace {

std::string ComBarra(std::string pasta) {
    if (pasta.empty() || pasta.back() != '/') {
        pasta += '/';
    }
    return pasta;
}

void MensagemSemConteudo() {
    ui::App().MsgBox("O CD " + Aspas + "Quorvane" + Aspas + " não foi encontrado em:" + Quebra +
                         Quebra + RaizCD + Quebra + Quebra +
                         "Por favor coloque-o no drive e tente novamente.",
                     ui::vbInformation, ui::APP_TITLE);
}

} // namespace

std::string Maiusculas(std::string texto) {
    for (char& c : texto) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return texto;
}

std::string LeCdIni() {
    const auto conteudo = LeArquivo(PastaPrograma + "cd.ini");
    if (!conteudo) {
        return "";
    }
    LeitorSequencial leitor(conteudo.bytes);
    return leitor.Texto().value_or("");
}

bool ExisteSetupLst() {
    return ui::FileExists(RaizCD + "setup.lst");
}

void DefinePastas() {
    PastaPrograma = Maiusculas(ComBarra(PastaDoExecutavel()));
    RaizCD = LeCdIni();
    if (RaizCD.empty()) {
        RaizCD = PastaPrograma;
    }
    RaizCD = ComBarra(RaizCD);
    if (!ExisteSetupLst()) {
        MensagemSemConteudo();
        ui::App().End(1);
    }
    PastaSons = PastaPrograma + "sons/";
    PastaAudio = RaizCD + "audio/";
    PastaGraficos = PastaPrograma + "graficos/";
    PastaPackage = RaizCD + "Package/Graficos/";
    PastaGraficosHD = PastaPrograma + "Graficos/";
}

void AbreBanco(ui::DataControl& dtSC, const std::string& nome) {
    dtSC.DatabaseName = PastaGraficos + nome;
}
