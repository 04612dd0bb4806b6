// Text measurement, wrapping and drawing, shared by both backends so that sizes and line
// breaks are the same in tests and in the real program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SDL_Surface;

namespace ui {

struct Font {
    float size = 8.25f; // points at 96 DPI
    bool bold = true;
};

int TextWidth(const std::string& text, const Font& font);
// Closes every face opened so far; they reopen when next used.
void ClearTextCache();
int LineHeight(const Font& font);

// Breaks at carriage returns and line feeds only.
std::vector<std::string> SplitLines(const std::string& text);
// Word wrap into a box `width` pixels wide; a word wider than the box is broken between
// characters.
std::vector<std::string> WrapText(const std::string& text, const Font& font, int width);

enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// Draws lines top-down in the box (x, y, w, h), clipped to the box.
void DrawLines(SDL_Surface* target, const std::vector<std::string>& lines, const Font& font,
               std::uint32_t colour, int alignment, int x, int y, int w, int h);

} // namespace ui
