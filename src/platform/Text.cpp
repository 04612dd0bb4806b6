#include "platform/Text.h"

#include "platform/Colour.h"
#include "platform/Error.h"
#include "platform/SdlHandles.h"

#include <cmath>
#include <map>

namespace ui {

namespace {

// Opened faces by pixel height and weight.
std::map<std::pair<int, bool>, FontPtr> fontCache;

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

// Breaks `word` between characters while it is wider than the box, emitting the full parts.
void BreakLongWord(std::vector<std::string>& out, std::string& word, const Font& font, int width) {
    while (word.size() > 1 && TextWidth(word, font) > width) {
        std::size_t cut = word.size();
        do {
            --cut;
            while (cut > 0 && (static_cast<unsigned char>(word[cut]) & 0xC0) == 0x80) {
                --cut;
            }
        } while (cut > 1 && TextWidth(word.substr(0, cut), font) > width);
        if (cut == 0) {
            return;
        }
        out.push_back(word.substr(0, cut));
        word.erase(0, cut);
    }
}

void AppendWrapped(std::vector<std::string>& out, const std::string& line, const Font& font,
                   int width) {
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
        BreakLongWord(out, current, font, width);
        if (end == std::string::npos) {
            break;
        }
        pos = line.find_first_not_of(' ', end);
        gap = line.substr(end, (pos == std::string::npos ? line.size() : pos) - end);
    }
    out.push_back(current);
}

} // namespace

void ClearTextCache() {
    fontCache.clear();
}

int TextWidth(const std::string& text, const Font& font) {
    if (text.empty()) {
        return 0;
    }
    int w = 0;
    int h = 0;
    TTF_SizeUTF8(Open(font), text.c_str(), &w, &h);
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
    std::vector<std::string> out;
    for (const std::string& line : SplitLines(text)) {
        AppendWrapped(out, line, font, width);
    }
    return out;
}

void DrawLines(SDL_Surface* target, const std::vector<std::string>& lines, const Font& font,
               std::uint32_t colour, int alignment, int x, int y, int w, int h) {
    TTF_Font* f = Open(font);
    const SDL_Color c = ToSdlColour(colour);
    SDL_Rect clip{x, y, w, h};
    SDL_Rect saved;
    SDL_GetClipRect(target, &saved);
    SDL_IntersectRect(&clip, &saved, &clip);
    SDL_SetClipRect(target, &clip);
    int lineY = y;
    for (const std::string& line : lines) {
        if (!line.empty()) {
            const SurfacePtr rendered(TTF_RenderUTF8_Blended(f, line.c_str(), c));
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
        }
        lineY += TTF_FontHeight(f);
    }
    SDL_SetClipRect(target, &saved);
}

} // namespace ui
