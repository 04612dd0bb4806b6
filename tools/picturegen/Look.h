// The shared look of every screen: the night-sky ground, gold lettering, round buttons with
// their lit and used states, the corner balls and framed panels. Backgrounds and the
// highlights cut from them are drawn by these same routines, so they always match.
#pragma once

#include "Canvas.h"
#include "Text.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace picturegen {

// How a button is drawn: at rest in the background, lit under the pointer, or used up.
enum class Light { Normal, Lit, Used };

namespace colors {
inline constexpr Color kNightTop = Hex(0x080B36);
inline constexpr Color kNightBottom = Hex(0x2A0B4E);
inline constexpr Color kIndigo = Hex(0x2B2190);
inline constexpr Color kDeepViolet = Hex(0x17104F);
inline constexpr Color kGoldLight = Hex(0xFFE785);
inline constexpr Color kGold = Hex(0xF2B92C);
inline constexpr Color kGoldDeep = Hex(0x9C6410);
inline constexpr Color kYellow = Hex(0xFFE23B);
inline constexpr Color kCream = Hex(0xFFF5DA);
inline constexpr Color kWhite = Hex(0xFFFFFF);
inline constexpr Color kBlack = Hex(0x000000);
inline constexpr Color kInk = Hex(0x150C4A);
} // namespace colors

// Fixed-seed numbers in [0, 1), the same on every run.
class Sequence {
  public:
    explicit Sequence(std::uint32_t seed) : state_(seed) {}
    float Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ % 100000u) / 100000.0f;
    }

  private:
    std::uint32_t state_;
};

// The drawing of the screen-sized ground that every background starts from.
void DrawGround(Canvas& canvas);
// A soft cone of light from (x, y0) widening down to the span x0..x1 at y1.
void DrawBeam(Canvas& canvas, float x, float y0, float x0, float x1, float y1, float strength);

Paint GoldLettering(float top, float bottom);
// Bold lettering in one colour, and the same with a black shadow.
TextStyle Plain(int points, Color color);
TextStyle Caption(int points, Color color);
TextStyle GoldTitle(int points, float cy);

// The game's name in large gold letters centred on (cx, cy).
void DrawLogo(Canvas& canvas, FontBook& fonts, float cx, float cy, int points);

// A dark panel with a gold edge around `area`.
void DrawPanel(Canvas& canvas, Rect area, float radius, float thickness = 3.0f);

// Every button caption is at least this size, in the regular or the narrow bold face.
inline constexpr int kCaptionMinimum = 10;

// Drawn on a round button's face of radius r around its centre, in the button's ink colour.
using Symbol = std::function<void(Canvas&, FontBook&, float cx, float cy, float r, Color ink)>;

// Where a caption sits on a round button's face, in shares of the face's radius: its centre
// below the button's centre, and the box its ink may fill.
struct CaptionRoom {
    float dy = 0;
    float width = 0;
    float height = 0;
};

// What a round button carries: a caption, a key named under it, and a symbol; each may be
// left out.
struct Emblem {
    std::string_view word;
    CaptionRoom room;
    std::string_view key;
    Symbol symbol;
};
// A caption across the middle of the face; a caption above the key that works the button.
Emblem Word(std::string_view word);
Emblem WordWithKey(std::string_view word, std::string_view key);

struct RoundButton {
    Rect rect;
    Emblem emblem;
};

// The one caption size of a screen: the largest bold face and size at which every caption of
// its buttons fits its room. Throws when one does not fit even at the minimum size: such a
// word needs a shorter one.
TextStyle ScreenCaption(FontBook& fonts, std::span<const RoundButton> buttons);

// A round button centred in its rect, drawn so that its lit halo fades out inside the rect,
// with its caption in the screen's caption size.
void DrawRoundButton(Canvas& canvas, FontBook& fonts, const RoundButton& button,
                     const TextStyle& caption, Light light);
// The buttons of a screen in one light.
void DrawRoundButtons(Canvas& canvas, FontBook& fonts, std::span<const RoundButton> buttons,
                      Light light);

// The three corner buttons: 0 minimise, 1 window or full screen, 2 close.
using CornerRects = std::array<Rect, 3>;
void DrawCornerBalls(Canvas& canvas, const CornerRects& rects, Light light);

} // namespace picturegen
