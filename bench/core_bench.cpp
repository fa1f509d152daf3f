// Speed of the page core: building pages of any size in both looks, and
// writing a large page to disk compared with a bare write of the same bytes.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "page/page_generator.h"
#include "system/text_file.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

MenuItemList MakeItems(int64_t count) {
    MenuItemList items;
    for (int64_t i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        items.AddItem("Menu entry " + n, "http://www.example.com/section/page" + n + ".htm",
                      "Opens page " + n + " of the \"example\" site");
    }
    return items;
}

void BuildPageBench(benchmark::State& state, PageMode mode) {
    const MenuItemList items = MakeItems(state.range(0));
    const StyleSettings style;
    size_t pageBytes = 0;
    for (auto _ : state) {
        std::string page = BuildPage(items, mode, style);
        pageBytes = page.size();
        benchmark::DoNotOptimize(page.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(pageBytes));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["page_bytes"] = static_cast<double>(pageBytes);
}

void BM_BuildPage_Simple(benchmark::State& state) {
    BuildPageBench(state, PageMode::Simple);
}
void BM_BuildPage_Styled(benchmark::State& state) {
    BuildPageBench(state, PageMode::Styled);
}
BENCHMARK(BM_BuildPage_Simple)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildPage_Styled)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A styled page of about 32 MiB: one line per entry, so many line feeds.
const std::string& LargePage() {
    static const std::string page = [] {
        const int64_t perItem =
            static_cast<int64_t>(BuildPage(MakeItems(1000), PageMode::Styled, {}).size() / 1000);
        return BuildPage(MakeItems((int64_t{32} << 20) / perItem), PageMode::Styled, {});
    }();
    return page;
}

void BM_WriteTextFile_32MiB(benchmark::State& state) {
    const std::string& page = LargePage();
    testing_support::TempDir dir;
    const std::string path = dir / "Popup.htm";
    for (auto _ : state) {
        WriteResult result = WriteTextFile(path, page);
        if (!result) state.SkipWithError(result.reason.c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(WithCrLf(page).size()));
}

// The floor: the already translated bytes written with open/write/close.
void BM_PlainWrite_32MiB(benchmark::State& state) {
    const std::string bytes = WithCrLf(LargePage());
    testing_support::TempDir dir;
    const std::string path = dir / "Popup.htm";
    for (auto _ : state) {
        int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        if (fd < 0) {
            state.SkipWithError("open failed");
            break;
        }
        const char* p = bytes.data();
        size_t left = bytes.size();
        while (left > 0) {
            ssize_t n = write(fd, p, left);
            if (n <= 0) break;
            p += n;
            left -= static_cast<size_t>(n);
        }
        close(fd);
        if (left > 0) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

// Wall-clock time: the kernel's share (page cache, writeback throttling) is
// part of what the author waits for.
BENCHMARK(BM_WriteTextFile_32MiB)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWrite_32MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace menulark

BENCHMARK_MAIN();
