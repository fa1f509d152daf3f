#pragma once

#include <wx/app.h>

namespace menulark {

/// Runs the main window once, modally; the process ends when it closes.
class CMenularkApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
};

}  // namespace menulark
