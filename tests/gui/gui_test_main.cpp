// Runs the window tests inside a wx application on the current display.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include "app/gtk_tuning.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    // Listing the tests must not need a display.
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        fprintf(stderr, "gui_tests: cannot open the display\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    menulark::ApplyCompactControlStyle();
    int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
