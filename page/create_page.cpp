#include "page/create_page.h"

#include <cerrno>

#include "page/modern_page.h"
#include "page/page_templates.h"
#include "page/text_file.h"
#include "resources/string_table.h"

namespace menulark {
namespace {

// The program folder refuses new files: the program was installed where its
// user may not write, so the message says where to install it instead.
bool IsFolderNotWritable(int error) {
    return error == EACCES || error == EPERM || error == EROFS;
}

// Where a user's own programs go differs by platform, and so does the hint.
#ifdef _WIN32
constexpr StringId kInstallHint = IDS_INSTALL_HINT_WINDOWS;
#else
constexpr StringId kInstallHint = IDS_INSTALL_HINT;
#endif

}  // namespace

std::string WriteFailedMessage(const std::string& path, const std::string& reason) {
    return PageTemplates::Format(IDS_WRITE_FAILED, {path, reason});
}

CreateResult CreatePage(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                        const std::string& baseDirectory, Desktop& desktop, PageFlavor flavor) {
    if (items.RowCount() == 0) {
        desktop.ShowMessage(std::string(StringTableText(IDS_ADD_ITEMS_FIRST)));
        return {CreateOutcome::NoItems, {}};
    }
    std::string path = baseDirectory + kPageFileName;
    std::string page =
        flavor == PageFlavor::Modern ? BuildModernPage(items, mode, style) : BuildPage(items, mode, style);
    WriteResult written = WriteTextFile(path, page);
    if (!written) {
        std::string message = WriteFailedMessage(path, written.reason);
        if (IsFolderNotWritable(written.error))
            message += "\n\n" + std::string(StringTableText(kInstallHint));
        desktop.ShowMessage(message);
        return {CreateOutcome::WriteFailed, path};
    }
    desktop.OpenWithDefaultProgram(path);
    return {CreateOutcome::Opened, path};
}

}  // namespace menulark
