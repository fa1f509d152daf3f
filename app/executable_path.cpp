// The one place that asks the operating system where the program runs from.
#include "app/executable_path.h"

#include <wx/stdpaths.h>

#ifndef __WXMSW__
#include <limits.h>
#include <stdlib.h>
#endif

namespace menulark {

std::string ExecutablePath() {
#ifdef __WXMSW__
    // UTF-8, as all text in the core (the ANSI code page cannot name every folder).
    return std::string(wxStandardPaths::Get().GetExecutablePath().utf8_str());
#else
    // The system's own bytes for the path: a round trip through wxString
    // depends on the locale and turns non-ASCII folder names into other
    // bytes (or none) outside a UTF-8 locale. realpath with a null buffer
    // allocates as much as the path needs.
    std::string path;
    if (char* resolved = realpath("/proc/self/exe", nullptr)) {
        path = resolved;
        free(resolved);
        return path;
    }
    // No /proc (macOS): the toolkit's answer, whose file names are UTF-8 there.
    path = wxStandardPaths::Get().GetExecutablePath().utf8_str();
    if (char* resolved = realpath(path.c_str(), nullptr)) {
        path = resolved;
        free(resolved);
    }
    return path;
#endif
}

}  // namespace menulark
