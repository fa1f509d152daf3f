#include "page/create_page.h"

#include <cerrno>

#include "page/modern_page.h"
#include "page/page_templates.h"
#include "resources/string_table.h"
#include "system/absolute_path.h"

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

void Desktop::ReportNoItems() {
    ShowMessage(std::string(StringTableText(IDS_ADD_ITEMS_FIRST)));
}

void Desktop::ReportWriteFailed(const std::string& path, const WriteResult& written) {
    std::string message = WriteFailedMessage(path, written.reason);
    if (IsFolderNotWritable(written.error)) message += "\n\n" + std::string(StringTableText(kInstallHint));
    ShowMessage(message);
}

void Desktop::ReportWritten(const std::string&, size_t) {}

void Desktop::ReportFileWritten(const std::string&) {}

void Desktop::ReportOpenFailed(const std::string&) {}

std::string WriteFailedMessage(const std::string& path, const std::string& reason) {
    return PageTemplates::Format(IDS_WRITE_FAILED, {path, reason});
}

PageMode PageModeOf(const StyleSettings& style) {
    return style.styledMode ? PageMode::Styled : PageMode::Simple;
}

std::string BuildRequestedPage(const PageRequest& request) {
    PageMode mode = PageModeOf(request.style);
    return request.flavor == PageFlavor::Modern
               ? BuildModernPage(request.entries, mode, request.style, request.modernPage)
               : BuildPage(request.entries, mode, request.style);
}

CreateResult CreatePage(const PageRequest& request, Desktop& desktop) {
    if (request.entries.RowCount() == 0) {
        desktop.ReportNoItems();
        return {CreateOutcome::NoItems, {}};
    }
    if (request.flavor == PageFlavor::Modern && request.modernPage.snippet &&
        !request.modernPage.assetsUrl.empty()) {
        for (const SnippetFile& file :
             SnippetFiles(request.entries, PageModeOf(request.style), request.style, request.modernPage)) {
            const std::string filePath = JoinedPath(request.assetsFolder, file.name);
            WriteResult written = WriteTextFile(filePath, file.text);
            if (!written) {
                desktop.ReportWriteFailed(filePath, written);
                return {CreateOutcome::WriteFailed, filePath};
            }
            desktop.ReportFileWritten(filePath);
        }
    }
    const std::string& path = request.outputPath;
    WriteResult written = WriteTextFile(path, BuildRequestedPage(request));
    if (!written) {
        desktop.ReportWriteFailed(path, written);
        return {CreateOutcome::WriteFailed, path};
    }
    desktop.ReportWritten(path, request.entries.size());
    // The opener gets a path that it cannot take for an option ("-x.htm").
    if (request.open && !desktop.OpenWithDefaultProgram(AbsolutePath(path))) desktop.ReportOpenFailed(path);
    return {CreateOutcome::Opened, path};
}

}  // namespace menulark
