#pragma once
// Some figures need a fresh process: a first start, or a peak of memory that
// a large benchmark process would hide. The benchmark then runs a copy of
// itself with an argument that names the figure, and reads what it prints.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace menulark::bench {

/// What a copy of this program, started with `args`, printed on standard
/// output before it ended; nothing when it could not be started.
inline std::optional<std::string> OutputOfSelf(std::vector<std::string> args) {
    std::string self = std::filesystem::canonical("/proc/self/exe").string();
    std::vector<char*> argv{self.data()};
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    pid_t pid;
    int spawned = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    ssize_t n;
    while (spawned == 0 && (n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<size_t>(n));
    close(pipeFds[0]);
    if (spawned != 0) return std::nullopt;
    int status = 0;
    waitpid(pid, &status, 0);
    return output;
}

}  // namespace menulark::bench
