// The distinct draw with its event handling after every draw, and what a wait costs the
// processor on the real window system.
#include "core/Espera.h"
#include "platform/Application.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/sdl/SdlBackend.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

// The real backend without a display.
std::unique_ptr<ui::Backend> DummySdl() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return std::make_unique<ui::SdlBackend>();
}

void Embaralha2000(benchmark::State& state, std::unique_ptr<ui::Backend> backend) {
    ui::Application app(std::move(backend));
    for (auto _ : state) {
        (void)Embaralha(2000, 1, 2000);
    }
}

void BM_EmbaralhaHeadless(benchmark::State& state) {
    Embaralha2000(state, std::make_unique<ui::HeadlessBackend>());
}
BENCHMARK(BM_EmbaralhaHeadless)->Unit(benchmark::kMillisecond);

void BM_EmbaralhaSdlDummy(benchmark::State& state) {
    Embaralha2000(state, DummySdl());
}
BENCHMARK(BM_EmbaralhaSdlDummy)->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A one-second wait should leave the processor nearly idle.
void BM_EsperaCpuSdlDummy(benchmark::State& state) {
    ui::Application app(DummySdl());
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpu0 = ProcessCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();
        (void)Espera(1000);
        cpu += ProcessCpuSeconds() - cpu0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    }
    state.counters["cpu_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_EsperaCpuSdlDummy)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
