// The distinct draw with its event handling, and what a wait costs the processor in the program
// as a player runs it.
#include "BenchSupport.h"

#include "core/Espera.h"
#include "platform/Application.h"
#include "platform/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void Embaralha2000(benchmark::State& state, ui::Application& app) {
    const auto janela = bench::JanelaAberta(app);
    for (auto _ : state) {
        (void)Embaralha(2000, 1, 2000);
    }
}

void BM_EmbaralhaHeadless(benchmark::State& state) {
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    Embaralha2000(state, app);
}
BENCHMARK(BM_EmbaralhaHeadless)->Unit(benchmark::kMillisecond);

void BM_EmbaralhaSdlDummy(benchmark::State& state) {
    ui::Application app(bench::DummySdl());
    Embaralha2000(state, app);
}
BENCHMARK(BM_EmbaralhaSdlDummy)->Unit(benchmark::kMillisecond);

// The program as a player runs it, where asking for events reads the X socket.
void BM_EmbaralhaX11(benchmark::State& state) {
    Embaralha2000(state, *bench::Programa());
}
BENCHMARK(BM_EmbaralhaX11)->Unit(benchmark::kMillisecond);

// A one-second wait should leave the processor nearly idle: the whole program's share, the
// mixer's thread included.
void BM_EsperaCpuX11(benchmark::State& state) {
    const auto programa = bench::Programa();
    const auto janela = bench::JanelaAberta(*programa);
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const bench::MedidaCpu medida;
        (void)Espera(1000);
        cpu += medida.Cpu();
        wall += medida.Parede();
    }
    state.counters["cpu_pct"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_EsperaCpuX11)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
