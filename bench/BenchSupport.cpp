#include "BenchSupport.h"

#include "core/Globais.h"
#include "core/Pastas.h"
#include "platform/Form.h"
#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlBackend.h"

#include <cstdlib>
#include <string_view>
#include <sys/resource.h>

namespace bench {

namespace {

SDL_LogOutputFunction saidaDoSdl = nullptr;
void* dadosDaSaida = nullptr;

// SDL's disk driver says at every opening of the device, at the highest priority, that it is
// the disk driver and which file it writes: the benchmarks chose it, so that is no news. SDL's
// other messages pass.
void SemAvisosDoDisco(void* dados, int categoria, SDL_LogPriority prioridade,
                      const char* mensagem) {
    const std::string_view texto(mensagem);
    const bool doDisco = categoria == SDL_LOG_CATEGORY_AUDIO &&
                         (texto.find("disk i/o audio driver") != std::string_view::npos ||
                          texto.starts_with(" Writing to file"));
    if (!doDisco) {
        saidaDoSdl(dados, categoria, prioridade, mensagem);
    }
}

double CpuSegundos() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    const auto s = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
    };
    return s(uso.ru_utime) + s(uso.ru_stime);
}

} // namespace

MedidaCpu::MedidaCpu() : cpu0_(CpuSegundos()) {}

double MedidaCpu::Cpu() const {
    return CpuSegundos() - cpu0_;
}

double MedidaCpu::Parede() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - parede0_).count();
}

std::unique_ptr<ui::Backend> DummySdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::make_unique<ui::SdlBackend>();
}

std::unique_ptr<ui::Backend> X11Sdl() {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    if (saidaDoSdl == nullptr) {
        SDL_LogGetOutputFunction(&saidaDoSdl, &dadosDaSaida);
        SDL_LogSetOutputFunction(SemAvisosDoDisco, dadosDaSaida);
    }
    return std::make_unique<ui::SdlBackend>();
}

std::unique_ptr<ui::Application> Programa(std::unique_ptr<ui::Backend> backend) {
    return std::make_unique<ui::Application>(std::move(backend), ui::OpenSdlAudio());
}

void Conteudo() {
    PastaDoExecutavel = [] { return std::string(QV_GAME_DIR) + "/"; };
    InicializaGlobais();
    DefinePastas();
    ValoresPadrao();
}

std::filesystem::path PastaDoJogo(const std::string& nome) {
    namespace fs = std::filesystem;
    const fs::path pasta = fs::temp_directory_path() / nome;
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    for (const auto& entrada : fs::directory_iterator(QV_GAME_DIR)) {
        const std::string nomeEntrada = entrada.path().filename().string();
        // The settings file and a temporary of its save.
        if (Maiusculas(nomeEntrada).rfind("CONFIG.INI", 0) != 0) {
            fs::create_symlink(entrada.path(), pasta / nomeEntrada);
        }
    }
    return pasta;
}

std::shared_ptr<ui::Form> JanelaAberta(ui::Application& app) {
    auto tela = std::make_shared<ui::Form>();
    tela->Show();
    app.Flush();
    return tela;
}

} // namespace bench
