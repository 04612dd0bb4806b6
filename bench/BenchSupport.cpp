#include "BenchSupport.h"

#include "core/Globais.h"
#include "core/Pastas.h"
#include "platform/Form.h"
#include "platform/sdl/SdlBackend.h"

#include <cstdlib>
#include <sys/resource.h>

namespace bench {

std::unique_ptr<ui::Backend> DummySdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::make_unique<ui::SdlBackend>();
}

std::unique_ptr<ui::Backend> X11Sdl() {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    return std::make_unique<ui::SdlBackend>();
}

void Conteudo() {
    PastaDoExecutavel = [] { return std::string(QV_GAME_DIR) + "/"; };
    InicializaGlobais();
    DefinePastas();
    ValoresPadrao();
}

double CpuSegundos() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto s = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

std::shared_ptr<ui::Form> JanelaAberta(ui::Application& app) {
    auto tela = std::make_shared<ui::Form>();
    tela->Show();
    app.Flush();
    return tela;
}

} // namespace bench
