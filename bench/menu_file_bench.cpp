// Speed of menu files: opening (read, parse, check) and saving (format,
// whole-file write) a menu of 10,000 entries; each should stay under 50 ms.
#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

#include "menu/menu_file.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

MenuDocument MakeDocument(int64_t count) {
    MenuDocument document;
    document.style.styledMode = true;
    document.flavor = PageFlavor::Modern;
    for (int64_t i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        document.entries.AddItem("Menu entry " + n, "http://www.example.com/section/page" + n + ".htm",
                                 "Opens page " + n + " of the \"example\" site – überall");
    }
    return document;
}

void BM_OpenMenuFile(benchmark::State& state) {
    testing_support::TempDir dir;
    const std::string path = dir / "menu.menu.json";
    if (!SaveMenuFile(path, MakeDocument(state.range(0))).ok)
        throw std::runtime_error("cannot write " + path);
    for (auto _ : state) {
        MenuFileRead read = ReadMenuFile(path);
        if (!read.document) throw std::runtime_error(read.error);
        benchmark::DoNotOptimize(read.document->entries.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["file_bytes"] = static_cast<double>(testing_support::ReadBytes(path).size());
}
BENCHMARK(BM_OpenMenuFile)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SaveMenuFile(benchmark::State& state) {
    testing_support::TempDir dir;
    const std::string path = dir / "menu.menu.json";
    const MenuDocument document = MakeDocument(state.range(0));
    for (auto _ : state) {
        if (!SaveMenuFile(path, document).ok) throw std::runtime_error("cannot write " + path);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SaveMenuFile)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace menulark

BENCHMARK_MAIN();
