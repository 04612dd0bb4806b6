#include "platform/Text.h"

#include "platform/Colour.h"
#include "platform/Error.h"
#include "platform/SdlHandles.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <unordered_map>

namespace ui {

namespace {

// Opened faces by pixel height and weight.
std::map<std::pair<int, bool>, FontPtr> fontCache;

// Widths measured lately, by face and text: wrapping and fitting measure the same texts again
// and again (a label and its shadow, the fitting label and the one it fits), and each
// measurement shapes the whole text.
std::unordered_map<std::string, int> widthCache;
constexpr std::size_t WIDTHS_KEPT = 4096;

// Point sizes map to whole pixel heights at 96 DPI, as on the desktop the game came from.
int PixelHeight(float points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0f / 72.0f)));
}

TTF_Font* Open(const Font& font) {
    if (!TTF_WasInit() && TTF_Init() != 0) {
        throw RuntimeError(ERR_FILE_ACCESS, std::string("Fonte indisponível: ") + TTF_GetError());
    }
    const auto key = std::make_pair(PixelHeight(font.size), font.bold);
    auto& slot = fontCache[key];
    if (!slot) {
        const char* file = font.bold ? QV_FONT_FILE : QV_FONT_REGULAR_FILE;
        slot.reset(TTF_OpenFontDPI(file, key.first, 72, 72));
        if (!slot) {
            throw RuntimeError(ERR_FILE_NOT_FOUND, std::string("Fonte não encontrada: ") + file);
        }
    }
    return slot.get();
}

// The longest start of `word`, cut between characters, that fits `width`; at least its first
// character, and the whole word when it fits. Only about twice as much of the word as fits is
// measured, so that a word of any length is broken in bounded time.
std::size_t FittingPrefix(const std::string& word, const Font& font, int width) {
    const auto fits = [&](std::size_t bytes) {
        return TextWidth(word.substr(0, bytes), font) <= width;
    };
    std::size_t reach = 16;
    while (reach < word.size() && fits(reach)) {
        reach *= 2;
    }
    reach = std::min(reach, word.size());
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i <= reach; ++i) {
        if (i == word.size() || (static_cast<unsigned char>(word[i]) & 0xC0) != 0x80) {
            cuts.push_back(i);
        }
    }
    const auto first = std::partition_point(cuts.begin(), cuts.end(), fits);
    return first == cuts.begin() ? cuts.front() : *std::prev(first);
}

// Breaks `word` between characters while it is wider than the box, emitting the full parts.
void BreakLongWord(std::vector<std::string>& out, std::string& word, const Font& font, int width,
                   std::size_t stopAt) {
    while (word.size() > 1 && out.size() < stopAt) {
        const std::size_t cut = FittingPrefix(word, font, width);
        if (cut >= word.size()) {
            return;
        }
        out.push_back(word.substr(0, cut));
        word.erase(0, cut);
    }
}

// Appends the wrapped lines of `line`, stopping once `out` holds `stopAt` lines.
void AppendWrapped(std::vector<std::string>& out, const std::string& line, const Font& font,
                   int width, std::size_t stopAt) {
    std::string current;
    std::size_t pos = line.find_first_not_of(' ');
    std::string gap;
    while (pos != std::string::npos && pos < line.size()) {
        std::size_t end = line.find(' ', pos);
        std::string word = line.substr(pos, end == std::string::npos ? end : end - pos);
        if (current.empty()) {
            current = word;
        } else if (TextWidth(current + gap + word, font) <= width) {
            current += gap + word;
        } else {
            out.push_back(current);
            current = word;
        }
        BreakLongWord(out, current, font, width, stopAt);
        if (end == std::string::npos || out.size() >= stopAt) {
            break;
        }
        pos = line.find_first_not_of(' ', end);
        gap = line.substr(end, (pos == std::string::npos ? line.size() : pos) - end);
    }
    if (out.size() < stopAt) {
        out.push_back(current);
    }
}

std::vector<std::string> Wrap(const std::string& text, const Font& font, int width,
                              std::size_t stopAt) {
    std::vector<std::string> out;
    for (const std::string& line : SplitLines(text)) {
        if (out.size() >= stopAt) {
            break;
        }
        AppendWrapped(out, line, font, width, stopAt);
    }
    return out;
}

// Ends `line` with an ellipsis, dropping characters from its end until both fit.
void Ellipsize(std::string& line, const Font& font, int width) {
    const std::string ellipsis = "\u2026";
    while (!line.empty() && TextWidth(line + ellipsis, font) > width) {
        std::size_t cut = line.size() - 1;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        line.erase(cut);
    }
    line += ellipsis;
}

} // namespace

void ClearTextCache() {
    fontCache.clear();
    widthCache.clear();
}

int TextWidth(const std::string& text, const Font& font) {
    if (text.empty()) {
        return 0;
    }
    TTF_Font* face = Open(font);
    std::string key = std::to_string(PixelHeight(font.size)) + (font.bold ? 'b' : 'r') + text;
    if (const auto found = widthCache.find(key); found != widthCache.end()) {
        return found->second;
    }
    int w = 0;
    int h = 0;
    TTF_SizeUTF8(face, text.c_str(), &w, &h);
    if (widthCache.size() >= WIDTHS_KEPT) {
        widthCache.clear();
    }
    widthCache.emplace(std::move(key), w);
    return w;
}

int LineHeight(const Font& font) {
    return TTF_FontHeight(Open(font));
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            current += c;
        }
    }
    lines.push_back(current);
    return lines;
}

std::vector<std::string> WrapText(const std::string& text, const Font& font, int width) {
    return Wrap(text, font, width, std::numeric_limits<std::size_t>::max());
}

std::vector<std::string> WrapText(const std::string& text, const Font& font, int width,
                                  std::size_t maxLines) {
    maxLines = std::max<std::size_t>(maxLines, 1);
    std::vector<std::string> lines = Wrap(text, font, width, maxLines + 1);
    if (lines.size() > maxLines) {
        lines.resize(maxLines);
        Ellipsize(lines.back(), font, width);
    }
    return lines;
}

TextImage::TextImage(const std::vector<std::string>& lines, const Font& font,
                     std::uint32_t colour) {
    TTF_Font* f = Open(font);
    lineHeight_ = TTF_FontHeight(f);
    const SDL_Color c = ToSdlColour(colour);
    for (const std::string& line : lines) {
        // An empty or unrenderable line keeps its place.
        lines_.emplace_back(line.empty() ? nullptr : TTF_RenderUTF8_Blended(f, line.c_str(), c));
    }
}

void TextImage::Draw(SDL_Surface* target, int alignment, int x, int y, int w, int h) const {
    SDL_Rect clip{x, y, w, h};
    SDL_Rect saved;
    SDL_GetClipRect(target, &saved);
    SDL_IntersectRect(&clip, &saved, &clip);
    SDL_SetClipRect(target, &clip);
    int lineY = y;
    for (const SurfacePtr& rendered : lines_) {
        if (rendered) {
            int lineX = x;
            if (alignment == vbCenter) {
                lineX = x + (w - rendered->w) / 2;
            } else if (alignment == vbRightJustify) {
                lineX = x + w - rendered->w;
            }
            SDL_Rect dst{lineX, lineY, rendered->w, rendered->h};
            SDL_BlitSurface(rendered.get(), nullptr, target, &dst);
        }
        lineY += lineHeight_;
    }
    SDL_SetClipRect(target, &saved);
}

void DrawLines(SDL_Surface* target, const std::vector<std::string>& lines, const Font& font,
               std::uint32_t colour, int alignment, int x, int y, int w, int h) {
    TextImage(lines, font, colour).Draw(target, alignment, x, y, w, h);
}

} // namespace ui
