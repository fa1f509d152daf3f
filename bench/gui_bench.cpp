// Window benchmarks (need a display): start-up against a bare dialog with
// the same controls (time, CPU, and no web process: a run that never opens
// the swatch pane or the preview starts none), and the cost of one Add or
// Delete at growing list sizes.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "app/gtk_tuning.h"
#include "app/menulark_dlg.h"
#include "tests/core/temp_dir.h"

extern char** environ;

namespace {

// The web engine's page processes among the descendants of `root`.
int WebProcessesUnder(pid_t root) {
    std::map<int, int> parentOf;
    std::map<int, std::string> nameOf;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        int pid = std::atoi(entry.path().filename().c_str());
        if (pid <= 0) continue;
        std::ifstream in(entry.path() / "stat");
        std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        size_t open = stat.find('('), close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos) continue;
        nameOf[pid] = stat.substr(open + 1, close - open - 1);
        parentOf[pid] = std::atoi(stat.c_str() + close + 4);  // ") S ppid"
    }
    int found = 0;
    for (const auto& [pid, name] : nameOf) {
        if (name.rfind("WebKitWebProces", 0) != 0) continue;
        for (int up = parentOf[pid]; up > 1; up = parentOf.count(up) ? parentOf[up] : 0)
            if (up == root) {
                ++found;
                break;
            }
    }
    return found;
}

struct StartUpRun {
    double seconds = -1;    ///< from just before the spawn to shown and idle
    double cpuSeconds = 0;  ///< user and system time of the whole run
    int webProcesses = 0;   ///< web processes of the program when it was shown and idle
};

// Runs `program` until it reports "shown-and-idle" and ends; seconds is
// negative on failure. The program is held still while its web processes
// are counted.
StartUpRun RunToShownAndIdle(const std::string& program) {
    StartUpRun run;
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return run;
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
        return run;
    }
    std::string output;
    char buffer[256];
    ssize_t n;
    bool counted = false;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<size_t>(n));
        if (!counted && output.find('\n') != std::string::npos) {
            counted = true;
            kill(pid, SIGSTOP);
            run.webProcesses = WebProcessesUnder(pid);
            kill(pid, SIGCONT);
        }
    }
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                     (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    size_t at = output.find("shown-and-idle ");
    if (at == std::string::npos) return run;
    long long idleNs = std::atoll(output.c_str() + at + 15);
    long long startNs =
        std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
    run.seconds = (idleNs - startNs) / 1e9;
    return run;
}

std::string BuildDir() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path().string();
}

// The time to shown and idle; counters: the CPU time of a whole run, and the
// most web processes seen at shown and idle (none: the swatch pane and the
// preview start theirs only when used).
void StartUp(benchmark::State& state, const std::string& program) {
    double cpuSeconds = 0;
    int webProcesses = 0;
    for (auto _ : state) {
        StartUpRun run = RunToShownAndIdle(program);
        if (run.seconds < 0) {
            state.SkipWithError(("could not run " + program).c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        cpuSeconds += run.cpuSeconds;
        webProcesses = std::max(webProcesses, run.webProcesses);
    }
    state.counters["cpu_ms"] = cpuSeconds * 1000 / static_cast<double>(state.iterations());
    state.counters["web_processes"] = webProcesses;
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
