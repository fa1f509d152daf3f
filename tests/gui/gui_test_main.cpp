// Runs the window tests inside a wx application on the current display.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/init.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/gtk_tuning.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests must not need a display.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    // Pages that leave a read-only program folder go to the user's data
    // folder: never the real one.
    std::filesystem::path data =
        std::filesystem::temp_directory_path() / ("menulark-gui-data-" + std::to_string(getpid()));
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "gui_tests: cannot open the display\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    menulark::ApplyCompactControlStyle();
    int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    std::error_code ignored;
    std::filesystem::remove_all(data, ignored);
    return result;
}
