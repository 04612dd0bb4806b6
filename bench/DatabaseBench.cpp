// Opening the question database, running a level query and reading every row of the level.
#include "BenchSupport.h"

#include "core/Globais.h"
#include "game/frmJogo.h"
#include "platform/Application.h"
#include "platform/DataControl.h"
#include "platform/headless/HeadlessBackend.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A database with `rows` questions in each of the three levels, written by the writer tool.
std::string DatabaseWithRows(int rows) {
    const fs::path dir = fs::temp_directory_path() / ("qv-bench-" + std::to_string(rows));
    fs::create_directories(dir);
    const fs::path db = dir / "bot_sc.bmp";
    if (!fs::exists(db)) {
        std::ofstream list(dir / "q.txt");
        for (int level = 1, code = -32768; level <= 3; ++level) {
            for (int i = 0; i < rows; ++i, ++code) {
                list << level << '\t' << code << "\tPergunta número " << i
                     << " sobre a história do Brasil?\tResposta certa\tErrada um\tErrada dois"
                     << "\tErrada três\n";
            }
        }
        list.close();
        const std::string writer = std::string(QV_GAME_DIR) + "/../tools/mdbwrite/qv-mdbwrite";
        const std::string command =
            writer + " '" + (dir / "q.txt").string() + "' '" + db.string() + "'";
        if (std::system(command.c_str()) != 0) {
            return "";
        }
    }
    return db.string();
}

void BM_LevelQueryReadAll(benchmark::State& state) {
    const std::string db = DatabaseWithRows(static_cast<int>(state.range(0)));
    if (db.empty()) {
        state.SkipWithError("the writer failed");
        return;
    }
    for (auto _ : state) {
        ui::DataControl dc;
        dc.DatabaseName = db;
        dc.RecordSource = "Select * FROM dados WHERE nivel = 2";
        dc.Refresh();
        for (dc.MoveFirst(); !dc.EOF_(); dc.MoveNext()) {
            benchmark::DoNotOptimize(dc.FieldText("pergunta"));
            benchmark::DoNotOptimize(dc.FieldInt("cod"));
            for (const char* f : {"resp1", "resp2", "resp3", "resp4"}) {
                benchmark::DoNotOptimize(dc.FieldText(f));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LevelQueryReadAll)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

// The whole level load of the game screen: open, query, copy into the store, shuffle rows and
// alternatives; items are the level's questions.
void CarregaNivel(benchmark::State& state, ui::Application& app) {
    const auto janela = bench::JanelaAberta(app);
    Nivel = 2;
    // The screen's store alone, without the screen's load.
    const auto jogo = std::make_shared<frmJogoForm>();
    for (auto _ : state) {
        jogo->CarregaNivel();
    }
    if (jogo->TotalPerguntas == 0) {
        state.SkipWithError("the level has no questions");
    }
    state.SetItemsProcessed(state.iterations() * jogo->TotalPerguntas);
}

// Databases of growing size, on the headless backend.
void BM_CarregaNivel(benchmark::State& state) {
    const std::string db = DatabaseWithRows(static_cast<int>(state.range(0)));
    if (db.empty()) {
        state.SkipWithError("the writer failed");
        return;
    }
    ui::Application app(std::make_unique<ui::HeadlessBackend>());
    PastaGraficos = fs::path(db).parent_path().string() + "/";
    CarregaNivel(state, app);
}
BENCHMARK(BM_CarregaNivel)->Arg(10)->Arg(100)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

// The game's own database in the program as a player runs it, where every ask for events
// reads the X socket.
void BM_CarregaNivelDoJogoX11(benchmark::State& state) {
    const auto programa = bench::Programa();
    bench::Conteudo();
    CarregaNivel(state, *programa);
}
BENCHMARK(BM_CarregaNivelDoJogoX11)->Unit(benchmark::kMillisecond);

} // namespace
