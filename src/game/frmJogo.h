// The game screen.
#pragma once

#include "core/TelaBase.h"
#include "platform/DataControl.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class frmJogoForm : public TelaBase {
  public:
    // The question database.
    ui::DataControl dtSC;

    std::int16_t TotalPerguntas = 0;
    std::int16_t PerguntaAtual = 0;

    // Question store: loads the questions of level `Nivel`, shuffled.
    void CarregaNivel();
    void AbrePerguntasNivel();
    void CarregaPerguntas();
    void EmbaralhaPerguntas();

    // One row of the database as stored, for the hidden listing.
    struct LinhaPergunta {
        std::int16_t cod = 0;
        std::string pergunta;
        std::array<std::string, 5> respostas; // 1 to 4; 1 is the right one
    };
    // The listing's query: every question of every level in stored order, into a scratch
    // list of its own; the store is not touched.
    std::vector<LinhaPergunta> LeTodasPerguntas();

  private:
    // Runs the current record source, counting rows as the level query does.
    long ContaLinhas();
    LinhaPergunta LeLinha() const;
};

extern ui::FormRef<frmJogoForm> frmJogo;
