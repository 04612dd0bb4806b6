// The baseline of the start-up benchmark: the least an SDL program with this one's libraries
// does to show text, drawing as the game does, on a window surface kept in memory rather than
// one that starts OpenGL. SDL video, audio, TTF and the mixer are started, one
// window shows one frame of text, and the program waits for its end.
#include "platform/SdlHandles.h"

#include <cstdio>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

int Fail(const char* what) {
    std::fprintf(stderr, "minimal SDL program: %s: %s\n", what, SDL_GetError());
    return 1;
}

} // namespace

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) != 0 || TTF_Init() != 0) {
        return Fail("init");
    }
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 512) != 0) {
        return Fail("audio");
    }
    {
        const ui::FontPtr font(TTF_OpenFont(QV_FONT_FILE, 24));
        const ui::WindowPtr window(SDL_CreateWindow("Minimal SDL", SDL_WINDOWPOS_CENTERED,
                                                    SDL_WINDOWPOS_CENTERED, WIDTH, HEIGHT, 0));
        if (!font || !window) {
            return Fail("window");
        }
        SDL_Surface* surface = SDL_GetWindowSurface(window.get());
        if (surface == nullptr) {
            return Fail("surface");
        }
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 64));
        const ui::SurfacePtr text(
            TTF_RenderUTF8_Blended(font.get(), "Minimal SDL", SDL_Color{255, 255, 255, 255}));
        SDL_Rect where{40, 40, 0, 0};
        SDL_BlitSurface(text.get(), nullptr, surface, &where);
        SDL_UpdateWindowSurface(window.get());
        SDL_Event event;
        while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
        }
    }
    Mix_CloseAudio();
    TTF_Quit();
    SDL_Quit();
    return 0;
}
