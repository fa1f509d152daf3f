#pragma once
// The operating system's half of choosing where pages go; the choice itself
// is ChoosePageFolder (page_folder.h).

#include <string>

namespace menulark {

/// True when `folder` exists but this user may not create files in it (a
/// system install). A missing folder is not refusing: writing there fails
/// with its own message, as it always did.
bool FolderRefusesNewFiles(const std::string& folder);

/// This program's folder among the user's data, ending in a separator:
/// $XDG_DATA_HOME/menulark/ (~/.local/share/menulark/) on Linux,
/// %LOCALAPPDATA%\Menulark\ on Windows. Empty when the system names none.
std::string UserPageFolder();

/// Creates `folder` and any missing parents (private to the user where the
/// system has such modes); true when it is a folder afterwards.
bool MakeFolders(const std::string& folder);

}  // namespace menulark
