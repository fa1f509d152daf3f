#pragma once
// The standard file dialog, for the window's menu and page files.

#include <optional>
#include <string>

class wxWindow;

namespace menulark {

/// Asks for a file name with the title and file types of string-table texts
/// `titleId` and `typesId`, starting in `folder` (the dialog's own choice
/// when empty) with `name` filled in. `style` is wxFileDialog's. The chosen
/// path as the core holds it; nothing when the author cancels.
std::optional<std::string> AskFileName(wxWindow* parent, int titleId, int typesId, long style,
                                       const std::string& folder, const std::string& name);

/// Asks for a folder with the title of string-table text `titleId`,
/// starting in `folder` (the dialog's own choice when empty). The chosen
/// folder as the core holds it; nothing when the author cancels.
std::optional<std::string> AskFolder(wxWindow* parent, int titleId, const std::string& folder);

}  // namespace menulark
