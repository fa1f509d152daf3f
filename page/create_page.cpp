#include "page/create_page.h"

#include "page/modern_page.h"
#include "page/page_templates.h"
#include "page/text_file.h"
#include "resources/string_table.h"

namespace menulark {

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
        desktop.ShowMessage(WriteFailedMessage(path, written.reason));
        return {CreateOutcome::WriteFailed, path};
    }
    desktop.OpenWithDefaultProgram(path);
    return {CreateOutcome::Opened, path};
}

}  // namespace menulark
