// The freedesktop opener: xdg-open hands the file over and returns.
#include <spawn.h>
#include <sys/wait.h>

#include <vector>

#include "system/default_program.h"

extern char** environ;

namespace menulark {

bool OpenWithDefaultProgram(const std::string& path) {
    std::string program = "xdg-open";
    std::vector<char*> argv{program.data(), const_cast<char*>(path.c_str()), nullptr};
    pid_t pid;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    // xdg-open hands the file over and returns; waiting only reaps it.
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace menulark
