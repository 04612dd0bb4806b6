// The sequential text format of the settings file and "cd.ini": one value per line, texts
// between double quotes, truth values as #TRUE# / #FALSE#, lines ending in CR LF.
#pragma once

#include "platform/Files.h"

#include <optional>
#include <string>
#include <vector>

class GravadorSequencial {
  public:
    void Numero(long valor);
    void Booleano(bool valor);
    // The format cannot hold a double quote or a control character inside a text: they are
    // left out, so that what is written reads back as itself.
    void Texto(const std::string& valor);
    const std::string& Conteudo() const { return conteudo_; }

  private:
    std::string conteudo_;
};

class LeitorSequencial {
  public:
    explicit LeitorSequencial(std::string conteudo) : conteudo_(std::move(conteudo)) {}

    // A text that opens a quote and does not close it ends at its line's end.
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

// The whole of an ordinary file of a few KiB; of a longer one, its first few KiB (TooLarge).
ui::FileContent LeArquivo(const std::string& caminho);

// The lines of a file that should hold `esperadas` of them. Lines end in CR LF. When that gives
// too few lines, either the file uses other line ends (it holds no CR LF at all: then each CR
// and each LF ends a line), or a line end was damaged: then a CR with the byte after it, or an
// LF (with a CR or LF after it), ends a line. So a damaged line end joins no two values, and a
// stray CR or LF inside a line of an otherwise intact file adds no line.
std::vector<std::string> Linhas(const std::string& conteudo, std::size_t esperadas);
