// The distinct draw with its event handling, and what a wait costs the processor on the real
// window system.
#include "BenchSupport.h"

#include "core/Espera.h"
#include "platform/Application.h"
#include "platform/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

void Embaralha2000(benchmark::State& state, std::unique_ptr<ui::Backend> backend) {
    ui::Application app(std::move(backend));
    const auto janela = bench::JanelaAberta(app);
    for (auto _ : state) {
        (void)Embaralha(2000, 1, 2000);
    }
}

void BM_EmbaralhaHeadless(benchmark::State& state) {
    Embaralha2000(state, std::make_unique<ui::HeadlessBackend>());
}
BENCHMARK(BM_EmbaralhaHeadless)->Unit(benchmark::kMillisecond);

void BM_EmbaralhaSdlDummy(benchmark::State& state) {
    Embaralha2000(state, bench::DummySdl());
}
BENCHMARK(BM_EmbaralhaSdlDummy)->Unit(benchmark::kMillisecond);

// Where asking for events reads the X socket.
void BM_EmbaralhaX11(benchmark::State& state) {
    Embaralha2000(state, bench::X11Sdl());
}
BENCHMARK(BM_EmbaralhaX11)->Unit(benchmark::kMillisecond);

// A one-second wait should leave the processor nearly idle.
void BM_EsperaCpuX11(benchmark::State& state) {
    ui::Application app(bench::X11Sdl());
    const auto janela = bench::JanelaAberta(app);
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double cpu0 = bench::CpuSegundos();
        const auto wall0 = std::chrono::steady_clock::now();
        (void)Espera(1000);
        cpu += bench::CpuSegundos() - cpu0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    }
    state.counters["cpu_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_EsperaCpuX11)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
