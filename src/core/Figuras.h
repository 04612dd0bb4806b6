// Picture loading with the abort / retry / ignore dialog, the hover test and the pointer.
#pragma once

#include "core/Globais.h"
#include "platform/Controls.h"

#include <cstdint>
#include <optional>
#include <string>

class TelaBase;

void CarregaFigura(ui::Image& ctl, const std::string& nome,
                   const std::optional<std::string>& origem = std::nullopt);
void CarregaFigura(ui::PictureBox& ctl, const std::string& nome,
                   const std::optional<std::string>& origem = std::nullopt);
// A picture that belongs to a screen's own definition, compiled into the program.
ui::Picture FiguraEmbutida(const std::string& nome);

// A stage measure in whole pixels, halves to even.
int Inteiro(float v);

void CarregaFundo(TelaBase& frm, const std::string& nome);
void AcendeSobMouse(int x, int y, ui::Control& ctl);
void CursorTela(int ponteiro);
