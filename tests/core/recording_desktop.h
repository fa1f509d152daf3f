#pragma once

#include <string>
#include <vector>

#include "page/create_page.h"

namespace menulark::testing_support {

/// Records what page creation or the window asked of the desktop instead of
/// doing it: no message box appears and no program is started.
class RecordingDesktop : public Desktop {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool OpenWithDefaultProgram(const std::string& path) override {
        opened.push_back(path);
        return true;
    }

    std::vector<std::string> messages;
    std::vector<std::string> opened;
};

}  // namespace menulark::testing_support
