#pragma once
// One way to make a page: the window's "&Create/Finish" and menulark-page
// both fill a PageRequest and call CreatePage.

#include <cstddef>
#include <string>

#include "menu/menu_item_list.h"
#include "menu/page_flavor.h"
#include "menu/style_settings.h"
#include "page/modern_page.h"
#include "page/page_generator.h"
#include "system/text_file.h"

namespace menulark {

/// What page creation needs from the user's desktop. The window plugs in
/// message boxes and the default-program launcher, menulark-page its output
/// streams, tests a recorder. The reports default to the window's messages.
class Desktop {
public:
    virtual ~Desktop() = default;
    /// Shows `text` in a modal box with an exclamation icon and one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    /// Asks the desktop to open `path` with its default program; false when
    /// it could not even be asked.
    virtual bool OpenWithDefaultProgram(const std::string& path) = 0;

    /// There was nothing to write: "Please add the items first."
    virtual void ReportNoItems();
    /// `path` could not be written: the file and the system's reason, and
    /// where to install the program when its folder refuses new files.
    virtual void ReportWriteFailed(const std::string& path, const WriteResult& written);
    /// `path` now holds the page with `entries` entries (the window is silent).
    virtual void ReportWritten(const std::string& path, size_t entries);
    /// `path` now holds one of a snippet's own files (the window is silent).
    virtual void ReportFileWritten(const std::string& path);
    /// The desktop could not be asked to open `path` (the window is silent:
    /// the desktop reports its own failures).
    virtual void ReportOpenFailed(const std::string& path);
};

/// The name of the page file.
inline constexpr const char* kPageFileName = "Popup.htm";

/// Everything that decides a page and where it goes. The look is the style's
/// `styledMode` (the "Advanced &setting..." box).
struct PageRequest {
    const MenuItemList& entries;
    StyleSettings style;
    PageFlavor flavor = PageFlavor::Classic;
    std::string outputPath = kPageFileName;
    bool open = true;                ///< open the written page with the default program
    ModernPageOptions modernPage{};  ///< the modern page only: label, language, snippet
    /// A snippet with `modernPage.assetsUrl` only: the folder its style sheet
    /// and script go into (SnippetFiles), before the snippet itself.
    std::string assetsFolder{};
};

/// The look of the page for `style`: styled when `styledMode` is on.
PageMode PageModeOf(const StyleSettings& style);

/// The page text for `request`, lines ending in a single line feed.
std::string BuildRequestedPage(const PageRequest& request);

/// Opened: written, and handed to the desktop when the request asks.
enum class CreateOutcome { NoItems, WriteFailed, Opened };

struct CreateResult {
    CreateOutcome outcome;
    std::string path;  ///< the page's path; empty for NoItems
};

/// Builds the page, writes it to `request.outputPath` and opens it (by its
/// absolute path) when asked, reporting each step through `desktop`. An empty list writes
/// nothing; a failed write opens nothing. A snippet's own files are written
/// first: a failure there writes no snippet that would refer to them.
CreateResult CreatePage(const PageRequest& request, Desktop& desktop);

/// The text of the message for a page that could not be written.
std::string WriteFailedMessage(const std::string& path, const std::string& reason);

}  // namespace menulark
