#include "core/ArquivoSequencial.h"

#include "platform/Files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

void GravadorSequencial::Numero(long valor) {
    conteudo_ += std::to_string(valor) + "\r\n";
}

void GravadorSequencial::Booleano(bool valor) {
    conteudo_ += valor ? "#TRUE#\r\n" : "#FALSE#\r\n";
}

void GravadorSequencial::Texto(const std::string& valor) {
    conteudo_ += "\"" + valor + "\"\r\n";
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
        const std::size_t fecha = conteudo_.find('"', pos_ + 1);
        const std::size_t fim = fecha == std::string::npos ? conteudo_.size() : fecha;
        campo = conteudo_.substr(pos_ + 1, fim - pos_ - 1);
        pos_ = fecha == std::string::npos ? conteudo_.size() : fecha + 1;
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
    if (errno != 0 || *fim != '\0') {
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

std::optional<std::string> LeArquivo(const std::string& caminho) {
    std::ifstream in(ui::ResolvePath(caminho), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream conteudo;
    conteudo << in.rdbuf();
    if (in.bad()) {
        return std::nullopt;
    }
    return conteudo.str();
}
