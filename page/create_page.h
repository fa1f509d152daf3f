#pragma once

#include <string>

#include "page/menu_item_list.h"
#include "page/page_generator.h"
#include "style/style_settings.h"

namespace menulark {

/// What page creation needs from the user's desktop. The window plugs in
/// message boxes and the default-program launcher; tests plug in a recorder.
class Desktop {
public:
    virtual ~Desktop() = default;
    /// Shows `text` in a modal box with an exclamation icon and one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    /// Asks the desktop to open `path` with its default program; does not wait.
    virtual void OpenWithDefaultProgram(const std::string& path) = 0;
};

/// Which page to write: the classic page for the old browser object model, or
/// the same menu as a standards-based page for current browsers.
enum class PageFlavor { Classic, Modern };

enum class CreateOutcome { NoItems, WriteFailed, Opened };

struct CreateResult {
    CreateOutcome outcome;
    std::string path;  ///< the page's path; empty for NoItems
};

/// The name of the page file in the base directory.
inline constexpr const char* kPageFileName = "Popup.htm";

/// Builds the page, writes it as `baseDirectory` + "Popup.htm" and opens it.
/// An empty list gives the "add the items first" message; a failed write
/// gives a message naming the file and the reason, and nothing is opened;
/// when the folder refuses new files, the message also says where to install
/// the program so that it can write its pages.
CreateResult CreatePage(const MenuItemList& items, PageMode mode, const StyleSettings& style,
                        const std::string& baseDirectory, Desktop& desktop,
                        PageFlavor flavor = PageFlavor::Classic);

/// The text of the message for a page that could not be written.
std::string WriteFailedMessage(const std::string& path, const std::string& reason);

}  // namespace menulark
