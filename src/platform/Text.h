// Text measurement, wrapping and drawing, shared by both backends so that sizes and line
// breaks are the same in tests and in the real program.
#pragma once

#include "platform/SdlHandles.h"

#include <cstddef>
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
// At most `maxLines` (at least 1) lines; when text is left over, the last line ends in an
// ellipsis. Takes time for what is shown, not for the length of the text.
std::vector<std::string> WrapText(const std::string& text, const Font& font, int width,
                                  std::size_t maxLines);

enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

// Lines rendered once, to be drawn as often as needed: rendering is most of a text's cost.
class TextImage {
  public:
    TextImage(const std::vector<std::string>& lines, const Font& font, std::uint32_t colour);
    // Draws the lines top-down in the box (x, y, w, h), clipped to the box.
    void Draw(SDL_Surface* target, int alignment, int x, int y, int w, int h) const;

  private:
    std::vector<SurfacePtr> lines_;
    int lineHeight_;
};

// Draws lines top-down in the box (x, y, w, h), clipped to the box.
void DrawLines(SDL_Surface* target, const std::vector<std::string>& lines, const Font& font,
               std::uint32_t colour, int alignment, int x, int y, int w, int h);

} // namespace ui
