// What a handler learns after it has waited. A wait handles pending events, so other
// handlers run meanwhile and any of them may close the waiting screen or end its game;
// the handler goes on only while its guard holds.
#pragma once

#include "platform/Form.h"

#include <cstdint>
#include <memory>

class [[nodiscard]] Guarda {
  public:
    // For the screen whose handler is running now (none outside every handler) and the
    // game being played now.
    Guarda();
    explicit Guarda(ui::Form& tela);

    // The screen is still loaded (always true for a guard taken outside every handler).
    bool TelaAberta() const;
    // No game has started or ended since the guard was taken.
    bool MesmoJogo() const;
    explicit operator bool() const { return TelaAberta() && MesmoJogo(); }

  private:
    std::weak_ptr<ui::Form> tela_;
    bool temTela_ = false;
    std::uint32_t jogo_ = 0;
};
