// The live preview (needs a display and a web engine): its first opening in
// a fresh process, from the command to the page of 500 entries shown, and an
// update at 500 entries, from a change in the main window to the new page
// shown (the wait for a pause in the changes included) and the update alone
// (page built, handed over, loaded, menu reopened).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "app/preview_window.h"
#include "app/window_commands.h"
#include "bench/self_output.h"
#include "tests/core/temp_dir.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

class NullDesktop : public menulark::Desktop {
    void ShowMessage(const std::string&) override {}
    bool OpenWithDefaultProgram(const std::string&) override { return true; }
};

void Send(wxWindow* target, wxEventType type, int id) {
    wxCommandEvent event(type, id);
    event.SetEventObject(target);
    target->GetEventHandler()->ProcessEvent(event);
}

// The main window with `rows` entries.
class Window {
public:
    explicit Window(int rows) {
        menulark::DialogEnvironment environment;
        environment.desktop = &desktop;
        environment.baseDirectory = dir.Path() + "/";
        dialog = new menulark::CMenularkDlg(environment);
        dialog->Show();
        wxYield();
        Box(menulark::IDC_TITLE)->SetValue("Entry");
        Box(menulark::IDC_URL)->SetValue("https://example.org/page");
        Box(menulark::IDC_EXPLANATION)->SetValue("An entry of the menu");
        for (int i = 0; i < rows; ++i) Add();
        wxYield();
    }
    ~Window() {
        dialog->Destroy();
        wxYield();
    }
    wxTextCtrl* Box(int id) { return static_cast<wxTextCtrl*>(dialog->Control(id)); }
    void Add() { Send(dialog->Control(menulark::IDC_ADD_MENU), wxEVT_BUTTON, menulark::IDC_ADD_MENU); }
    void OpenPreview() { Send(dialog, wxEVT_MENU, menulark::kPreviewCommand); }
    menulark::PreviewFrame* Preview() {
        return dynamic_cast<menulark::PreviewFrame*>(
            wxWindow::FindWindowByName(menulark::kPreviewWindowName, dialog));
    }
    // Lets the window work until `pages` pages were shown; false after 10 s.
    bool WaitForPages(int pages) {
        auto end = Clock::now() + std::chrono::seconds(10);
        while (!Preview() || Preview()->PagesShown() < pages) {
            if (Clock::now() > end) return false;
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            wxYield();
        }
        return true;
    }

    NullDesktop desktop;
    menulark::testing_support::TempDir dir;
    menulark::CMenularkDlg* dialog;
};

constexpr int kEntries = 500;

// The fresh copy: opens the preview once and prints the milliseconds to the
// page shown (negative: it did not show).
int ReportFirstOpen() {
    Window window(kEntries);
    auto start = Clock::now();
    window.OpenPreview();
    bool shown = window.WaitForPages(1);
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%f\n", shown ? ms : -1.0);
    return 0;
}

// Runs a fresh copy of this program for one first opening.
double FirstOpenMs() {
    std::optional<std::string> output = menulark::bench::OutputOfSelf({"--first-open"});
    return output && !output->empty() ? std::atof(output->c_str()) : -1;
}

void BM_PreviewFirstOpen(benchmark::State& state) {
    for (auto _ : state) {
        double ms = FirstOpenMs();
        if (ms < 0) {
            state.SkipWithError("the preview did not open (no web engine?)");
            return;
        }
        state.SetIterationTime(ms / 1000);
    }
    state.counters["entries"] = kEntries;
}
BENCHMARK(BM_PreviewFirstOpen)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// One Add at 500 entries, with the preview open: the iteration's time runs
// from the Add to the new page shown; update_ms is the update alone.
void BM_PreviewUpdate(benchmark::State& state) {
    Window window(kEntries);
    window.OpenPreview();
    if (!window.WaitForPages(1)) {
        state.SkipWithError("the preview did not open (no web engine?)");
        return;
    }
    double updateMs = 0;
    for (auto _ : state) {
        int pages = window.Preview()->PagesShown();
        auto start = Clock::now();
        window.Add();
        if (!window.WaitForPages(pages + 1)) {
            state.SkipWithError("the preview did not follow");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        updateMs += std::chrono::duration<double, std::milli>(window.Preview()->LastUpdateTime()).count();
        // The author pauses before the next change.
        auto end = Clock::now() + std::chrono::milliseconds(50);
        while (Clock::now() < end) wxYield();
    }
    state.counters["update_ms"] = updateMs / static_cast<double>(state.iterations());
    state.counters["entries_at_end"] = static_cast<double>(window.dialog->Items().RowCount());
}
BENCHMARK(BM_PreviewUpdate)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    bool firstOpen = argc == 2 && std::string(argv[1]) == "--first-open";
    if (!firstOpen) benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (firstOpen) argc = 1;  // the option is this program's, not the toolkit's
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "preview_bench: needs a display (run it through scripts/with-display)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    menulark::ApplyCompactControlStyle();
    int result = 0;
    if (firstOpen)
        result = ReportFirstOpen();
    else
        benchmark::RunSpecifiedBenchmarks();
    wxEntryCleanup();
    return result;
}
