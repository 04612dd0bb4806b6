#include "core/ArquivoSequencial.h"

#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

void GravadorSequencial::Numero(long valor) {
    conteudo_ += std::to_string(valor) + "\r\n";
}

void GravadorSequencial::Booleano(bool valor) {
    conteudo_ += valor ? "#TRUE#\r\n" : "#FALSE#\r\n";
}

void GravadorSequencial::Texto(const std::string& valor) {
    conteudo_ += '"';
    for (const char c : valor) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F && c != '"') {
            conteudo_ += c;
        }
    }
    conteudo_ += "\"\r\n";
}

bool LeitorSequencial::Fim() const {
    return pos_ >= conteudo_.size() || conteudo_[pos_] == '\x1A';
}

std::optional<std::string> LeitorSequencial::Campo(bool& citado) {
    if (Fim()) {
        pos_ = conteudo_.size();
        return std::nullopt;
    }
    pos_ = std::min(conteudo_.find_first_not_of(" \t", pos_), conteudo_.size());
    std::string campo;
    citado = pos_ < conteudo_.size() && conteudo_[pos_] == '"';
    if (citado) {
        const std::size_t fecha = conteudo_.find_first_of("\"\r\n", pos_ + 1);
        const std::size_t fim = fecha == std::string::npos ? conteudo_.size() : fecha;
        campo = conteudo_.substr(pos_ + 1, fim - pos_ - 1);
        pos_ = fim < conteudo_.size() && conteudo_[fim] == '"' ? fim + 1 : fim;
    }
    // Up to the comma or line end that closes the field.
    const std::size_t fim = conteudo_.find_first_of(",\r\n", pos_);
    const std::size_t corte = fim == std::string::npos ? conteudo_.size() : fim;
    if (!citado) {
        campo = conteudo_.substr(pos_, corte - pos_);
        while (!campo.empty() && (campo.back() == ' ' || campo.back() == '\t')) {
            campo.pop_back();
        }
    }
    pos_ = corte;
    if (pos_ < conteudo_.size() && conteudo_[pos_] == ',') {
        ++pos_;
    } else if (pos_ < conteudo_.size() && conteudo_[pos_] == '\r') {
        pos_ += conteudo_.compare(pos_, 2, "\r\n") == 0 ? 2 : 1;
    } else if (pos_ < conteudo_.size()) {
        ++pos_;
    }
    return campo;
}

std::optional<long> LeitorSequencial::Numero() {
    bool citado = false;
    const auto campo = Campo(citado);
    if (!campo || citado || campo->empty()) {
        return std::nullopt;
    }
    errno = 0;
    char* fim = nullptr;
    const long valor = std::strtol(campo->c_str(), &fim, 10);
    // The whole field: a NUL inside it is no end.
    if (errno != 0 || fim != campo->c_str() + campo->size()) {
        return std::nullopt;
    }
    return valor;
}

std::optional<bool> LeitorSequencial::Booleano() {
    bool citado = false;
    const auto campo = Campo(citado);
    if (!campo || citado) {
        return std::nullopt;
    }
    if (*campo == "#TRUE#") {
        return true;
    }
    if (*campo == "#FALSE#") {
        return false;
    }
    return std::nullopt;
}

std::optional<std::string> LeitorSequencial::Texto() {
    bool citado = false;
    return Campo(citado);
}

ui::FileContent LeArquivo(const std::string& caminho) {
    // The settings file and "cd.ini" hold a few short lines; a folder name fits many times.
    constexpr std::size_t LIMITE = 8 * 1024;
    return ui::ReadRegularFile(caminho, LIMITE, ui::Oversize::KeepStart);
}

namespace {

// How the lines end: CR LF; CR LF with some damaged; or each CR and each LF alone.
enum class Fins { CrLf, Danificados, Quaisquer };

std::vector<std::string> Divide(const std::string& conteudo, Fins fins) {
    const bool soCrLf = fins == Fins::CrLf;
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (inicio < conteudo.size()) {
        std::size_t fim =
            soCrLf ? conteudo.find("\r\n", inicio) : conteudo.find_first_of("\r\n", inicio);
        fim = std::min(fim, conteudo.size());
        linhas.push_back(conteudo.substr(inicio, fim - inicio));
        // Without CR LF, a damaged line end: any pair of CR and LF, or a CR and the byte that
        // was its LF.
        const bool par =
            fins == Fins::Danificados && fim + 1 < conteudo.size() &&
            (conteudo[fim] == '\r' || conteudo[fim + 1] == '\r' || conteudo[fim + 1] == '\n');
        inicio = fim + (soCrLf || par ? 2 : 1);
    }
    return linhas;
}

} // namespace

std::vector<std::string> Linhas(const std::string& conteudo, std::size_t esperadas) {
    std::vector<std::string> linhas = Divide(conteudo, Fins::CrLf);
    if (linhas.size() < esperadas) {
        const bool temCrLf = conteudo.find("\r\n") != std::string::npos;
        linhas = Divide(conteudo, temCrLf ? Fins::Danificados : Fins::Quaisquer);
    }
    return linhas;
}
