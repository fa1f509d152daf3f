// The window's opener hands the desktop an absolute path, so that a page
// named "-dash.htm" never reaches the opening program as an option. A
// stand-in xdg-open first on PATH records its arguments; no desktop program
// starts.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/wx_desktop.h"
#include "tests/core/temp_dir.h"

namespace menulark {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

TEST(WxDesktopTest, OpenerGetsAnAbsolutePathForADashName) {
    TempDir dir;
    std::filesystem::create_directory(dir / "bin");
    const std::string stub = dir / "bin/xdg-open";
    WriteBytes(stub,
               "#!/bin/sh\nprintf '%s\\n' \"$@\" >\"$0.args.part\" && mv \"$0.args.part\" \"$0.args\"\n");
    ASSERT_EQ(chmod(stub.c_str(), 0755), 0);
    WriteBytes(dir / "-dash.htm", "page");

    const std::string savedPath = getenv("PATH") ? getenv("PATH") : "";
    char savedDirectory[4096];
    ASSERT_NE(getcwd(savedDirectory, sizeof savedDirectory), nullptr);
    setenv("PATH", (dir / "bin:" + savedPath).c_str(), 1);
    ASSERT_EQ(chdir(dir.Path().c_str()), 0);
    WxDesktop desktop(nullptr, "Menulark");
    desktop.OpenWithDefaultProgram("-dash.htm");
    ASSERT_EQ(chdir(savedDirectory), 0);
    setenv("PATH", savedPath.c_str(), 1);

    // The stand-in runs on its own; the deadline only keeps a failure from hanging.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!std::filesystem::exists(stub + ".args") && std::chrono::steady_clock::now() < deadline) {
        wxYield();
        wxMilliSleep(10);
    }
    ASSERT_TRUE(std::filesystem::exists(stub + ".args")) << "the opener was not started";
    std::string argument = ReadBytes(stub + ".args");
    ASSERT_FALSE(argument.empty());
    argument.pop_back();  // the line feed
    EXPECT_EQ(argument.front(), '/') << argument;
    EXPECT_TRUE(std::filesystem::equivalent(argument, dir / "-dash.htm")) << argument;
}

}  // namespace
}  // namespace menulark
