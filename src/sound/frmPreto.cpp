#include "sound/frmPreto.h"

#include "platform/Application.h"

#include <SDL.h>

#include <algorithm>

#ifdef QV_HAVE_EMBEDDED
#include "embedded/EmbeddedPictures.h"
#endif

ui::FormRef<frmPretoForm> frmPreto;

namespace {

constexpr int HOT_X = 1;
constexpr int HOT_Y = 1;

#ifdef QV_HAVE_EMBEDDED

// The picture marks its transparent pixels magenta; a pointer needs them clear.
ui::Picture Ponteiro() {
    ui::Picture picture = ui::Picture::FromMemory(EmbeddedPicture("ponteiro"));
    SDL_Surface* s = picture.Surface();
    for (int y = 0; y < s->h; ++y) {
        auto* linha = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        std::replace(linha, linha + s->w, Uint32{0xFFFF00FF}, Uint32{0});
    }
    return picture;
}

#else

// A 32x32 arrow pointing to the upper left, its tip on the hot spot: black outline, white body.
ui::Picture Ponteiro() {
    static const char* const desenho[] = {
        "X",           "XX",           "X.X",        "X..X",      "X...X",
        "X....X",      "X.....X",      "X......X",   "X.......X", "X........X",
        "X.........X", "X......XXXXX", "X...X..X",   "X..XX..X",  "X.X  X..X",
        "XX   X..X",   "X     X..X",   "      X..X", "       XX",
    };
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_ARGB8888);
    if (s == nullptr) {
        return {};
    }
    ui::Picture picture = ui::Picture::Adopt(s);
    SDL_FillRect(s, nullptr, 0x00000000);
    for (int y = 0; y < static_cast<int>(std::size(desenho)); ++y) {
        auto* linha =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + (y + HOT_Y) * s->pitch);
        for (int x = 0; desenho[y][x] != '\0'; ++x) {
            if (desenho[y][x] != ' ') {
                linha[x + HOT_X] = desenho[y][x] == 'X' ? 0xFF000000 : 0xFFFFFFFF;
            }
        }
    }
    return picture;
}

#endif

} // namespace

void frmPretoForm::Form_Load() {
    Image1.Visible(false);
    Image1.MouseIcon(Ponteiro());
    ui::App().CustomPointer(Image1.MouseIcon(), HOT_X, HOT_Y);
}
