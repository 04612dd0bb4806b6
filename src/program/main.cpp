#include "platform/Application.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlBackend.h"
#include "program/Inicio.h"

#include <cstdio>

int main() {
    try {
        auto backend = std::make_unique<ui::SdlBackend>();
        ui::Application app(std::move(backend), ui::OpenSdlAudio());
        return app.Run(Main);
    } catch (const std::exception& e) {
        // The window system itself could not start: nothing can show a message box.
        std::fprintf(stderr, "Quorvane: %s\n", e.what());
        return 1;
    }
}
