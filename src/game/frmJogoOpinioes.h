// The guests' opinions and the audience's boards: the draws, the percentages that add up to
// 100, and the panel that shows them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

class frmJogoForm;

// A whole number from `menor` to `maior` with the game's odds (the bounds half as often).
using Sorteio = std::function<std::int16_t(int menor, int maior)>;

// Each guest's answer: 1 to 4 an alternative, 5 "does not know".
constexpr std::int16_t NAO_SABE = 5;
std::array<std::int16_t, 3> OpinioesConvidados(std::int16_t certa, const Sorteio& sorteio);

// How many of the twelve votes each alternative 1 to 4 got; harder levels lean less towards
// the right one.
std::array<std::int16_t, 4> VotosPlacas(std::int16_t certa, std::int16_t nivel,
                                        const Sorteio& sorteio);
// Whole percentages of twelve votes, nudged by one so that they add up to 100.
std::array<std::int16_t, 4> Percentuais(const std::array<std::int16_t, 4>& contagem);

class OpinioesJogo {
  public:
    explicit OpinioesJogo(frmJogoForm& jogo);

    void AjudaConvidados();
    void AjudaPlacas();

  private:
    // Shows the panel with its picture and marks the help used.
    void MostraPainel(const char* figura, int ajuda);
    frmJogoForm& jogo_;
};
