// Lettering with SDL_ttf: fonts opened at 96 DPI, text turned into coverage maps and painted
// onto a canvas, centred on its ink or set in lines.
#pragma once

#include "Canvas.h"

#include <SDL_ttf.h>

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace picturegen {

enum class Face { SansBold, Sans, SerifBoldItalic, NarrowBold };

using ui::FontPtr;

class FontBook {
  public:
    FontBook();
    ~FontBook();
    FontBook(const FontBook&) = delete;
    FontBook& operator=(const FontBook&) = delete;

    TTF_Font* Get(Face face, int points, int outline = 0);

  private:
    std::map<std::tuple<Face, int, int>, FontPtr> fonts_;
};

// A rendered line of text: coverage of the whole text surface and the box of its ink.
struct TextMask {
    int w = 0;
    int h = 0;
    std::vector<std::uint8_t> coverage;
    Rect ink;
};

TextMask RenderMask(FontBook& fonts, Face face, int points, std::string_view text, int outline = 0);

struct TextStyle {
    Face face = Face::SansBold;
    int points = 12;
    Paint paint = Solid(Hex(0xFFFFFF));
    std::optional<Color> shadow;
    int shadowOffset = 2;
    int outline = 0;
    Color outlineColor = Hex(0x000000);
};

// Draws text with its ink centred on (cx, cy).
void DrawCentred(Canvas& canvas, FontBook& fonts, std::string_view text, float cx, float cy,
                 const TextStyle& style);
// Draws one line whose text surface has its top-left corner at (x, y).
void DrawLine(Canvas& canvas, FontBook& fonts, std::string_view text, int x, int y,
              const TextStyle& style);
// The largest size up to `largest` whose ink fits into maxWidth x maxHeight.
int FitPoints(FontBook& fonts, Face face, std::string_view text, int maxWidth, int maxHeight,
              int largest);
// A text and the box its ink must fit into.
struct FitBox {
    std::string_view text;
    int maxWidth = 0;
    int maxHeight = 0;
};
// Sets a bold face and the largest size up to `largest` at which every text fits its box, one
// face and size for all; texts that would drop below 11 points in the regular bold face take
// the narrow one instead.
void FitBold(FontBook& fonts, std::span<const FitBox> texts, int largest, TextStyle& style);
void FitBold(FontBook& fonts, std::string_view text, int maxWidth, int maxHeight, int largest,
             TextStyle& style);
// Breaks text at blanks into lines no wider than `width`, the first no wider than `firstWidth`.
std::vector<std::string> Wrap(FontBook& fonts, Face face, int points, std::string_view text,
                              int firstWidth, int width);
int LineHeight(FontBook& fonts, Face face, int points);
int TextWidth(FontBook& fonts, Face face, int points, std::string_view text);

} // namespace picturegen
