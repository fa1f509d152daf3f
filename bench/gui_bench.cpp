// Window benchmarks (need a display): start-up against a bare dialog with
// the same controls, and the cost of one Add or Delete at growing list sizes.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "tests/core/temp_dir.h"

extern char** environ;

namespace {

// Runs `program` until it reports "shown-and-idle"; returns seconds from
// just before the spawn to that moment, or a negative value on failure.
double SecondsToShownAndIdle(const std::string& program) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string env = "MENULARK_CLOSE_WHEN_IDLE=1";
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    envp.push_back(env.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    auto start = std::chrono::steady_clock::now();
    pid_t pid;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return -1;
    }
    std::string output;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) output.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    size_t at = output.find("shown-and-idle ");
    if (at == std::string::npos) return -1;
    long long idleNs = std::atoll(output.c_str() + at + 15);
    long long startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    return (idleNs - startNs) / 1e9;
}

std::string BuildDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path().string();
}

void StartUp(benchmark::State& state, const std::string& program) {
    for (auto _ : state) {
        double seconds = SecondsToShownAndIdle(program);
        if (seconds < 0) {
            state.SkipWithError(("could not run " + program).c_str());
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_StartUp_Menulark(benchmark::State& state) {
    StartUp(state, BuildDir() + "/app/menulark");
}
void BM_StartUp_BareDialog(benchmark::State& state) {
    StartUp(state, BuildDir() + "/bench/bare_dialog");
}
// Interleaved repetitions keep machine noise from favouring one side.
BENCHMARK(BM_StartUp_BareDialog)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUp_Menulark)->UseManualTime()->Iterations(5)->Repetitions(4)->Unit(benchmark::kMillisecond);

class Window {
public:
    Window() {
        menulark::DialogEnvironment environment;
        environment.desktop = &desktop;
        environment.baseDirectory = dir.Path() + "/";
        dialog = new menulark::CMenularkDlg(environment);
        dialog->Show();
        wxYield();
    }
    ~Window() {
        dialog->Destroy();
        wxYield();
    }
    void Press(int id) {
        wxCommandEvent event(wxEVT_BUTTON, id);
        event.SetEventObject(dialog->Control(id));
        dialog->Control(id)->GetEventHandler()->ProcessEvent(event);
    }
    void Fill(int rows) {
        static_cast<wxTextCtrl*>(dialog->Control(menulark::IDC_TITLE))->SetValue("Entry");
        static_cast<wxTextCtrl*>(dialog->Control(menulark::IDC_URL))->SetValue("http://example.com/");
        static_cast<wxTextCtrl*>(dialog->Control(menulark::IDC_EXPLANATION))->SetValue("An entry");
        for (int i = 0; i < rows; ++i) Press(menulark::IDC_ADD_MENU);
        wxYield();
    }

    class NullDesktop : public menulark::Desktop {
        void ShowMessage(const std::string&) override {}
        bool OpenWithDefaultProgram(const std::string&) override { return true; }
    } desktop;
    menulark::testing_support::TempDir dir;
    menulark::CMenularkDlg* dialog;
};

// One press of "Add Menu", including the repaint it causes.
void BM_AddMenu(benchmark::State& state) {
    Window window;
    window.Fill(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.Press(menulark::IDC_ADD_MENU);
        wxYield();
    }
    state.counters["rows_at_end"] = window.dialog->Items().RowCount();
}
BENCHMARK(BM_AddMenu)->Arg(10)->Arg(1000)->Arg(10000)->Iterations(300)->Unit(benchmark::kMicrosecond);

// One press of "Delete" removing the first row (the costliest place), with repaint.
void BM_Delete(benchmark::State& state) {
    Window window;
    window.Fill(static_cast<int>(state.range(0)) + 300);
    auto* list = static_cast<wxListCtrl*>(window.dialog->Control(menulark::IDC_MENU_LIST));
    list->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    wxYield();
    for (auto _ : state) {
        window.Press(menulark::IDC_DELETE);
        wxYield();
    }
    state.counters["rows_at_end"] = window.dialog->Items().RowCount();
}
BENCHMARK(BM_Delete)->Arg(10)->Arg(1000)->Arg(10000)->Iterations(300)->Unit(benchmark::kMicrosecond);

// "Create/Finish" with a long list: builds, writes and hands over the page.
void BM_CreateFinish(benchmark::State& state) {
    Window window;
    window.Fill(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        window.Press(menulark::IDC_CREATE);
        wxYield();
    }
    state.counters["page_bytes"] = static_cast<double>(std::filesystem::file_size(window.dir / "Popup.htm"));
}
BENCHMARK(BM_CreateFinish)->Arg(10)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "gui_bench: needs a display (run it through scripts/with-display)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    menulark::ApplyCompactControlStyle();
    benchmark::RunSpecifiedBenchmarks();
    wxEntryCleanup();
    return 0;
}
