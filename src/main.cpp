#include "core/Inicio.h"
#include "platform/Application.h"
#include "platform/sdl/SdlBackend.h"

#include <cstdio>

int main() {
    try {
        ui::Application app(std::make_unique<ui::SdlBackend>());
        return app.Run(Main);
    } catch (const std::exception& e) {
        // The window system itself could not start: nothing can show a message box.
        std::fprintf(stderr, "Quorvane: %s\n", e.what());
        return 1;
    }
}
