// The program in a folder with a non-ASCII name, started without a UTF-8
// locale: its files must reach the system as the bytes the system named them
// with. The probe program is the window with its real folder and opener.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "tests/core/temp_dir.h"

extern char** environ;

namespace menulark::testing {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

bool IsLocaleVariable(const std::string& entry) {
    return entry.rfind("LC_", 0) == 0 || entry.rfind("LANG=", 0) == 0 || entry.rfind("LANGUAGE=", 0) == 0;
}

// Runs `program` with the given locale settings in place of the current ones
// and `fakeBin` first on the path; returns its standard output.
std::string RunProbe(const std::string& program, const std::vector<std::string>& locale,
                     const std::string& fakeBin, const std::string& outputFile) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry; ++entry) {
        std::string text = *entry;
        if (IsLocaleVariable(text)) continue;
        if (text.rfind("PATH=", 0) == 0) text = "PATH=" + fakeBin + ":" + text.substr(5);
        environment.push_back(text);
    }
    environment.insert(environment.end(), locale.begin(), locale.end());
    std::vector<char*> envp, argv{const_cast<char*>(program.c_str()), nullptr};
    for (std::string& text : environment) envp.push_back(text.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return "cannot start " + program;
    int status = 0;
    waitpid(child, &status, 0);
    std::string output = ReadBytes(outputFile);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        output += "\nprobe ended with status " + std::to_string(status);
    return output;
}

TEST(LocalePathTest, CreateAndHelpFindTheFolderWhateverTheLocale) {
    TempDir temp;
    const std::string folder =
        temp.Path() + "/My Pr\xc3\xb6grams \xe2\x80\x93 \xc3\xbcn\xc3\xaf \xe6\x97\xa5\xe6\x9c\xac/app C/";
    std::filesystem::create_directories(folder);
    const std::string probe = folder + "menulark";
    std::filesystem::copy_file(MENULARK_PATH_PROBE, probe);
    WriteBytes(folder + "readme.htm", "<html></html>");

    // An opener that records the file names it is handed, NUL-terminated.
    const std::string fakeBin = temp / "bin", record = temp / "opened";
    std::filesystem::create_directory(fakeBin);
    WriteBytes(fakeBin + "/xdg-open", "#!/bin/sh\nprintf '%s\\0' \"$1\" >> '" + record + "'\n");
    std::filesystem::permissions(fakeBin + "/xdg-open", std::filesystem::perms::owner_all);

    const std::string expectedOpened = folder + "Popup.htm" + '\0' + folder + "readme.htm" + '\0';
    const std::vector<std::vector<std::string>> locales = {{"LC_ALL=C"}, {"LANG=C"}, {}};
    for (const auto& locale : locales) {
        SCOPED_TRACE(locale.empty() ? "no locale variables" : locale[0]);
        std::filesystem::remove(folder + "Popup.htm");
        std::filesystem::remove(record);
        EXPECT_EQ(RunProbe(probe, locale, fakeBin, temp / "output"), "");
        EXPECT_TRUE(std::filesystem::is_regular_file(folder + "Popup.htm"));
        // The opener runs on its own; give it a moment.
        for (int i = 0; i < 200 && !(std::filesystem::exists(record) &&
                                     ReadBytes(record).size() >= expectedOpened.size());
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(std::filesystem::exists(record) ? ReadBytes(record) : "", expectedOpened);
    }
}

}  // namespace
}  // namespace menulark::testing
