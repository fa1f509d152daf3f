// The colour swatch's web engine (needs a display): from a colour pick to the
// swatch page loaded, when the pick comes some time after the style panel
// opened; and the peak memory of a run that never opens the panel.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/init.h>
#include <wx/odcombo.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "bench/self_output.h"
#include "style/web_browser.h"
#include "tests/core/temp_dir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

void RunEventsFor(Clock::duration time) {
    auto end = Clock::now() + time;
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        wxYield();
    } while (Clock::now() < end);
}

class NullDesktop : public menulark::Desktop {
    void ShowMessage(const std::string&) override {}
    bool OpenWithDefaultProgram(const std::string&) override { return true; }
};

void Send(wxWindow* control, wxEventType type, int value = 0) {
    wxCommandEvent event(type, control->GetId());
    event.SetEventObject(control);
    event.SetInt(value);
    control->GetEventHandler()->ProcessEvent(event);
}

// Opens the style panel, waits `range(0)` ms, then picks "navy" for the font
// colour; the time is from the pick (the list's selection event) to the
// swatch page loaded in the web view. 0 ms is a pick before the engine starts.
void BM_PickToSwatchLoaded(benchmark::State& state) {
    for (auto _ : state) {
        NullDesktop desktop;
        menulark::testing_support::TempDir dir;
        menulark::DialogEnvironment environment;
        environment.desktop = &desktop;
        environment.baseDirectory = dir.Path() + "/";
        auto* dialog = new menulark::CMenularkDlg(environment);
        dialog->Show();
        RunEventsFor(std::chrono::milliseconds(100));
        auto* advanced = static_cast<wxCheckBox*>(dialog->Control(menulark::IDC_ADVANCED));
        advanced->SetValue(true);
        Send(advanced, wxEVT_CHECKBOX, 1);
        if (state.range(0) > 0) RunEventsFor(std::chrono::milliseconds(state.range(0)));
        Send(dialog->Control(menulark::IDC_PICK_FONT_COLOR), wxEVT_BUTTON);
        wxOwnerDrawnComboBox* list = dialog->PickListControl(menulark::PickList::Color);
        if (list->IsPopupShown()) list->Dismiss();
        int navy = list->FindString("navy");
        list->SetSelection(navy);
        menulark::CWebBrowser2* pane = dialog->BrowserPane();

        state.counters["engine_ready_at_pick"] = pane->HasWebView() && !pane->IsLoading();
        auto start = Clock::now();
        Send(list, wxEVT_COMBOBOX, navy);
        while (pane->IsLoading() || pane->PagesLoaded() == 0) {
            if (Clock::now() - start > std::chrono::seconds(10)) break;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            wxYield();
        }
        auto seconds = std::chrono::duration<double>(Clock::now() - start).count();
        bool loaded = pane->HasWebView() && !pane->IsLoading();
        dialog->Destroy();
        RunEventsFor(std::chrono::milliseconds(50));
        if (!loaded) {
            state.SkipWithError("the swatch page did not load (no web engine?)");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_PickToSwatchLoaded)
    ->ArgName("ms_after_expansion")
    ->Arg(1000)
    ->Arg(0)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

std::string BuildDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path().string();
}

// Peak resident memory (KiB) of `program` started and closed when shown and
// idle, without the style panel ever opened; negative on failure. A process
// keeps the peak of the memory it had before exec, so this (large) process
// starts a fresh copy of itself that starts the program and reports.
long PeakKib(const std::string& program) {
    std::optional<std::string> output = menulark::bench::OutputOfSelf({"--peak-memory-of", program});
    return output && !output->empty() ? std::atol(output->c_str()) : -1;
}

// The fresh copy: runs `program` to its end and prints its peak in KiB.
int ReportPeakMemoryOf(const char* program) {
    pid_t pid = fork();
    if (pid == 0) {
        setenv("MENULARK_CLOSE_WHEN_IDLE", "1", 1);
        int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 1;
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}

void PeakMemory(benchmark::State& state, const std::string& program) {
    long peak = 0;
    for (auto _ : state) {
        long kib = PeakKib(program);
        if (kib < 0) {
            state.SkipWithError(("could not run " + program).c_str());
            return;
        }
        peak = std::max(peak, kib);
    }
    state.counters["peak_KiB"] = static_cast<double>(peak);
}
void BM_PeakMemory_NeverExpanded_Menulark(benchmark::State& state) {
    PeakMemory(state, BuildDir() + "/app/menulark");
}
void BM_PeakMemory_BareDialog(benchmark::State& state) {
    PeakMemory(state, BuildDir() + "/bench/bare_dialog");
}
BENCHMARK(BM_PeakMemory_BareDialog)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory_NeverExpanded_Menulark)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--peak-memory-of") return ReportPeakMemoryOf(argv[2]);
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "swatch_bench: needs a display (run it through scripts/with-display)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    menulark::ApplyCompactControlStyle();
    benchmark::RunSpecifiedBenchmarks();
    wxEntryCleanup();
    return 0;
}
