#pragma once
// Where the window writes its pages (Popup.htm, colorFile.htm): beside the
// program, or, when the program's folder is read-only (a system install),
// in the user's data folder.

#include <string>

namespace menulark {

/// The folder the pages go to, ending in a separator.
struct PageFolder {
    std::string path;
    /// The program's folder was read-only, so `path` is the user's folder.
    bool inUserFolder = false;
    std::string programFolder;  ///< the folder that was read-only, when inUserFolder
};

/// The program's folder when it may write there, as ever; otherwise
/// `userFolder`; the program's folder again when there is no user folder
/// (the write then fails with its message).
PageFolder ChoosePageFolder(const std::string& programFolder, bool programFolderWritable,
                            const std::string& userFolder);

/// The user's data folder by the freedesktop rule: $XDG_DATA_HOME when it
/// is an absolute path, else $HOME/.local/share; empty when neither is set.
/// No trailing separator. Either argument may be null (unset).
std::string XdgDataHome(const char* xdgDataHome, const char* home);

/// ChoosePageFolder with this system's answers: whether `programFolder` is
/// writable, and this program's folder in the user's data folder, which is
/// created (for the user alone) when it is chosen.
PageFolder ResolvePageFolder(const std::string& programFolder);

}  // namespace menulark
