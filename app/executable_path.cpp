// The one place that asks the operating system where the program runs from.
#include "app/executable_path.h"

#include <wx/stdpaths.h>

#ifndef __WXMSW__
#include <limits.h>
#include <stdlib.h>
#endif

namespace menulark {

std::string ExecutablePath() {
    wxString path = wxStandardPaths::Get().GetExecutablePath();
    std::string utf8(path.utf8_str());
#ifndef __WXMSW__
    // realpath with a null buffer allocates as much as the path needs.
    if (char* resolved = realpath(utf8.c_str(), nullptr)) {
        utf8 = resolved;
        free(resolved);
    }
#endif
    return utf8;
}

}  // namespace menulark
