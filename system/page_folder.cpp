#include "system/page_folder.h"

#include "system/user_folder.h"

namespace menulark {

PageFolder ChoosePageFolder(const std::string& programFolder, bool programFolderWritable,
                            const std::string& userFolder) {
    if (programFolderWritable || userFolder.empty()) return {programFolder, false, {}};
    return {userFolder, true, programFolder};
}

std::string XdgDataHome(const char* xdgDataHome, const char* home) {
    // A relative $XDG_DATA_HOME is invalid and to be ignored.
    if (xdgDataHome && xdgDataHome[0] == '/') return xdgDataHome;
    if (home && home[0] != '\0') {
        std::string folder = home;
        if (folder.back() != '/') folder += '/';
        return folder + ".local/share";
    }
    return {};
}

PageFolder ResolvePageFolder(const std::string& programFolder) {
    bool writable = !FolderRefusesNewFiles(programFolder);
    PageFolder chosen =
        ChoosePageFolder(programFolder, writable, writable ? std::string() : UserPageFolder());
    // Made now, so that both the swatch and the page can be written there.
    if (chosen.inUserFolder) MakeFolders(chosen.path);
    return chosen;
}

}  // namespace menulark
