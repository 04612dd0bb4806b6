#include "sound/frmPreto.h"

#include "platform/Application.h"

#include <SDL.h>

#ifdef QV_HAVE_EMBEDDED
#include "embedded/EmbeddedPictures.h"
#endif

ui::FormRef<frmPretoForm> frmPreto;

namespace {

constexpr int HOT_X = 1;
constexpr int HOT_Y = 1;

#ifdef QV_HAVE_EMBEDDED

ui::Picture Ponteiro() {
    return ui::Picture::FromMemory(EmbeddedPicture("ponteiro"));
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
