#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "system/page_folder.h"
#include "system/user_folder.h"

namespace menulark {

bool FolderRefusesNewFiles(const std::string& folder) {
    // Writing a file needs both: the right to add names and to search.
    if (access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0) return false;
    return errno == EACCES || errno == EROFS || errno == EPERM;
}

std::string UserPageFolder() {
    std::string data = XdgDataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    return data.empty() ? data : data + "/menulark/";
}

bool MakeFolders(const std::string& folder) {
    // Each missing folder for the user alone (0700), as the freedesktop
    // rules ask of folders made under the data folder.
    // Folders that exist may refuse mkdir with other errors than EEXIST
    // (a parent without write permission): only the end result counts.
    for (size_t end = folder.find('/', 1); end != std::string::npos; end = folder.find('/', end + 1))
        mkdir(folder.substr(0, end).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
    struct stat info;
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace menulark
