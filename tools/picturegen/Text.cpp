#include "Text.h"

#include <stdexcept>

namespace picturegen {
namespace {

const char* FontFile(Face face) {
    switch (face) {
    case Face::SansBold:
        return QV_FONT_DIR "/LiberationSans-Bold.ttf";
    case Face::Sans:
        return QV_FONT_DIR "/LiberationSans-Regular.ttf";
    case Face::SerifBoldItalic:
        return QV_FONT_DIR "/LiberationSerif-BoldItalic.ttf";
    case Face::NarrowBold:
        return QV_FONT_DIR "/LiberationSansNarrow-Bold.ttf";
    }
    throw std::logic_error("unknown face");
}

std::string Owned(std::string_view text) {
    return std::string(text);
}

} // namespace

FontBook::FontBook() {
    if (TTF_Init() != 0) {
        throw std::runtime_error(TTF_GetError());
    }
}

FontBook::~FontBook() {
    fonts_.clear();
    TTF_Quit();
}

TTF_Font* FontBook::Get(Face face, int points, int outline) {
    auto& slot = fonts_[{face, points, outline}];
    if (!slot) {
        slot.reset(TTF_OpenFontDPI(FontFile(face), points, 96, 96));
        if (!slot) {
            throw std::runtime_error(TTF_GetError());
        }
        TTF_SetFontOutline(slot.get(), outline);
    }
    return slot.get();
}

TextMask RenderMask(FontBook& fonts, Face face, int points, std::string_view text, int outline) {
    TextMask mask;
    if (text.empty()) {
        return mask;
    }
    SurfacePtr rendered(TTF_RenderUTF8_Blended(fonts.Get(face, points, outline),
                                               Owned(text).c_str(), {255, 255, 255, 255}));
    if (!rendered) {
        throw std::runtime_error(TTF_GetError());
    }
    SurfacePtr argb(SDL_ConvertSurfaceFormat(rendered.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    if (!argb) {
        throw std::runtime_error(SDL_GetError());
    }
    mask.w = argb->w;
    mask.h = argb->h;
    mask.coverage.resize(static_cast<std::size_t>(mask.w * mask.h));
    int x0 = mask.w, y0 = mask.h, x1 = -1, y1 = -1;
    for (int y = 0; y < mask.h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
        for (int x = 0; x < mask.w; ++x) {
            const auto a = static_cast<std::uint8_t>(row[x] >> 24);
            mask.coverage[static_cast<std::size_t>(y * mask.w + x)] = a;
            if (a > 24) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
        }
    }
    mask.ink = x1 < 0 ? Rect{} : Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
    return mask;
}

namespace {

void DrawAt(Canvas& canvas, FontBook& fonts, std::string_view text, int x, int y,
            const TextStyle& style, const TextMask& mask) {
    if (style.shadow) {
        canvas.Stamp(x + style.shadowOffset, y + style.shadowOffset, mask.w, mask.h, mask.coverage,
                     Solid(*style.shadow), 0.85f);
    }
    if (style.outline > 0) {
        const TextMask outline = RenderMask(fonts, style.face, style.points, text, style.outline);
        canvas.Stamp(x - style.outline, y - style.outline, outline.w, outline.h, outline.coverage,
                     Solid(style.outlineColor));
    }
    canvas.Stamp(x, y, mask.w, mask.h, mask.coverage, style.paint);
}

} // namespace

void DrawCentred(Canvas& canvas, FontBook& fonts, std::string_view text, float cx, float cy,
                 const TextStyle& style) {
    const TextMask mask = RenderMask(fonts, style.face, style.points, text);
    if (mask.ink.Empty()) {
        return;
    }
    const int x =
        static_cast<int>(std::lround(cx - static_cast<float>(mask.ink.w) / 2)) - mask.ink.x;
    const int y =
        static_cast<int>(std::lround(cy - static_cast<float>(mask.ink.h) / 2)) - mask.ink.y;
    DrawAt(canvas, fonts, text, x, y, style, mask);
}

void DrawLine(Canvas& canvas, FontBook& fonts, std::string_view text, int x, int y,
              const TextStyle& style) {
    const TextMask mask = RenderMask(fonts, style.face, style.points, text);
    DrawAt(canvas, fonts, text, x, y, style, mask);
}

int FitPoints(FontBook& fonts, Face face, std::string_view text, int maxWidth, int maxHeight,
              int largest) {
    for (int points = largest; points > 4; --points) {
        const TextMask mask = RenderMask(fonts, face, points, text);
        if (mask.ink.w <= maxWidth && mask.ink.h <= maxHeight) {
            return points;
        }
    }
    return 4;
}

namespace {

int FitAll(FontBook& fonts, Face face, std::span<const FitBox> texts, int largest) {
    int points = largest;
    for (const FitBox& box : texts) {
        points = FitPoints(fonts, face, box.text, box.maxWidth, box.maxHeight, points);
    }
    return points;
}

} // namespace

void FitBold(FontBook& fonts, std::span<const FitBox> texts, int largest, TextStyle& style) {
    style.face = Face::SansBold;
    style.points = FitAll(fonts, style.face, texts, largest);
    if (style.points < 11) {
        style.face = Face::NarrowBold;
        style.points = FitAll(fonts, style.face, texts, std::min(largest, 12));
    }
}

void FitBold(FontBook& fonts, std::string_view text, int maxWidth, int maxHeight, int largest,
             TextStyle& style) {
    const FitBox box{text, maxWidth, maxHeight};
    FitBold(fonts, std::span(&box, 1), largest, style);
}

int TextWidth(FontBook& fonts, Face face, int points, std::string_view text) {
    int w = 0;
    int h = 0;
    TTF_SizeUTF8(fonts.Get(face, points), Owned(text).c_str(), &w, &h);
    return w;
}

int LineHeight(FontBook& fonts, Face face, int points) {
    return TTF_FontLineSkip(fonts.Get(face, points));
}

std::vector<std::string> Wrap(FontBook& fonts, Face face, int points, std::string_view text,
                              int firstWidth, int width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        const std::string candidate =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        const int room = lines.empty() ? firstWidth : width;
        if (!line.empty() && TextWidth(fonts, face, points, candidate) > room) {
            lines.push_back(line);
            line = std::string(word);
        } else {
            line = candidate;
        }
        start = end + 1;
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace picturegen
