// Colours are 0x00BBGGRR, as the screens give them with RGB and QBColor.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace ui {

constexpr std::uint32_t RGB(int r, int g, int b) {
    return static_cast<std::uint32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The 16-colour palette by index 0 to 15; other indexes give black.
std::uint32_t QBColor(int index);

inline SDL_Color ToSdlColour(std::uint32_t c) {
    return SDL_Color{static_cast<Uint8>(c & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
                     static_cast<Uint8>((c >> 16) & 0xFF), 255};
}

inline Uint32 MapColour(const SDL_Surface* s, std::uint32_t c) {
    const SDL_Color k = ToSdlColour(c);
    return SDL_MapRGB(s->format, k.r, k.g, k.b);
}

} // namespace ui
