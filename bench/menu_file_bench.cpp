// Speed of menu files: opening (read, parse, check) and saving (format,
// whole-file write) a menu of 10,000 entries; each should stay under 50 ms.
// A menu of 1,000,000 entries (about 116 MB) through menulark-page should
// take at most 4 s of CPU and 500 MiB at peak: each such run happens in a
// fresh process (this program started again), so that its peak resident
// size is its own.
#include <benchmark/benchmark.h>

#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef _WIN32
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#endif

#include "menu/menu_file.h"
#include "tests/core/temp_dir.h"
#include "tools/page_command.h"

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

#ifndef _WIN32
// Entries of about 116 bytes in the file, like the menus of hostile tests.
MenuDocument MakeLargeDocument(int64_t count) {
    MenuDocument document;
    for (int64_t i = 0; i < count; ++i) {
        std::string n = std::to_string(i);
        document.entries.AddItem("Entry " + n, "https://example.com/p" + n, "Page " + n);
    }
    return document;
}

constexpr const char* kChildFlag = "--menu-file-child";

// One menulark-page run (its arguments after kChildFlag) in this process.
int RunChild(int argc, char** argv) {
    std::vector<std::string> args(argv + 2, argv + argc);
    std::ostringstream out, err;
    CommandDesktop desktop(out, err);
    int status = RunPageCommand(args, std::cin, desktop);
    if (status != 0) std::cerr << err.str();
    return status;
}

struct ChildUsage {
    double cpuSeconds;
    double peakMiB;
};

// Runs this program again as menulark-page with `args` and returns the
// CPU time and the peak resident size of that process alone.
ChildUsage RunAsChild(const std::vector<std::string>& args) {
    std::vector<std::string> words = {"/proc/self/exe", kChildFlag};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start the measured run");
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("the measured run failed");
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024};
}

// menulark-page on a menu file of range(0) entries: with range(1) 0 it
// saves the menu file again (--save-menu), with 1 it writes the page.
void BM_PageCommandOnLargeMenuFile(benchmark::State& state) {
    testing_support::TempDir dir;
    const std::string path = dir / "large.menu.json";
    if (!SaveMenuFile(path, MakeLargeDocument(state.range(0))).ok)
        throw std::runtime_error("cannot write " + path);
    const std::vector<std::string> args =
        state.range(1) == 0 ? std::vector<std::string>{"--menu", path, "--save-menu", dir / "saved.menu.json"}
                            : std::vector<std::string>{"--menu", path, "-o", dir / "page.htm"};
    ChildUsage usage{};
    for (auto _ : state) usage = RunAsChild(args);
    state.counters["cpu_s"] = usage.cpuSeconds;
    state.counters["peak_MiB"] = usage.peakMiB;
    state.counters["file_MB"] = static_cast<double>(testing_support::ReadBytes(path).size()) / 1e6;
}
BENCHMARK(BM_PageCommandOnLargeMenuFile)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
#endif

}  // namespace
}  // namespace menulark

int main(int argc, char** argv) {
#ifndef _WIN32
    if (argc > 1 && std::string(argv[1]) == menulark::kChildFlag) return menulark::RunChild(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
