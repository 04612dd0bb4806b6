// The sequential text format of the settings file and "cd.ini": one value per line, texts
// between double quotes, truth values as #TRUE# / #FALSE#, lines ending in CR LF.
#pragma once

#include <optional>
#include <string>

class GravadorSequencial {
  public:
    void Numero(long valor);
    void Booleano(bool valor);
    void Texto(const std::string& valor);
    const std::string& Conteudo() const { return conteudo_; }

  private:
    std::string conteudo_;
};

class LeitorSequencial {
  public:
    explicit LeitorSequencial(std::string conteudo) : conteudo_(std::move(conteudo)) {}

    // Each reader returns nothing when no value is left or the value does not fit its type;
    // the field is consumed either way.
    std::optional<long> Numero();
    std::optional<bool> Booleano();
    std::optional<std::string> Texto();
    bool Fim() const;

  private:
    // The next raw field: `citado` tells whether it was between double quotes.
    std::optional<std::string> Campo(bool& citado);
    std::string conteudo_;
    std::size_t pos_ = 0;
};

// The whole file, or nothing when it cannot be read.
std::optional<std::string> LeArquivo(const std::string& caminho);
