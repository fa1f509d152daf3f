#include "app/file_chooser.h"

#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filename.h>

#include "app/text_conversion.h"

namespace menulark {

std::optional<std::string> AskFileName(wxWindow* parent, int titleId, int typesId, long style,
                                       const std::string& folder, const std::string& name) {
    wxFileDialog dialog(parent, StringText(titleId), PathText(folder), PathText(name), StringText(typesId),
                        style);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    // GTK's chooser gives the whole path only once it has loaded the folder
    // (a name set from the program may come before that); the folder and
    // the name are there at once.
    wxString chosen = dialog.GetPath();
    if (chosen.empty() && !dialog.GetFilename().empty())
        chosen = wxFileName(dialog.GetDirectory(), dialog.GetFilename()).GetFullPath();
    std::string path = PathBytes(chosen);
    if (path.empty()) return std::nullopt;
    return path;
}

std::optional<std::string> AskFolder(wxWindow* parent, int titleId, const std::string& folder) {
    wxDirDialog dialog(parent, StringText(titleId), PathText(folder), wxDD_DEFAULT_STYLE);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    std::string path = PathBytes(dialog.GetPath());
    if (path.empty()) return std::nullopt;
    return path;
}

}  // namespace menulark
