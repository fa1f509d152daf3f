#include "app/page_commands.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filedlg.h>
#include <wx/window.h>

#include <optional>

#include "app/contrast_note.h"
#include "app/file_chooser.h"
#include "app/note_window.h"
#include "app/text_conversion.h"
#include "page/contrast.h"
#include "page/create_page.h"
#include "page/modern_page.h"

namespace menulark {

PageCommands::PageCommands(wxWindow& window, Desktop& desktop, std::function<MenuDocument()> currentMenu)
    : m_window(window), m_desktop(desktop), m_currentMenu(std::move(currentMenu)) {}

bool PageCommands::WritePage(const std::string& path) {
    const MenuDocument menu = m_currentMenu();
    PageRequest request{menu.entries, menu.style, menu.flavor, path};
    request.modernPage.label = menu.modernLabel;
    request.modernPage.lang = menu.modernLanguage;
    CreateResult result = CreatePage(request, m_desktop);
    if (result.outcome == CreateOutcome::Opened && request.flavor == PageFlavor::Modern)
        NoteLowContrast(request.style);
    if (result.outcome == CreateOutcome::Opened && request.flavor == PageFlavor::Classic)
        NoteClassicFlattening(menu.entries);
    return result.outcome == CreateOutcome::Opened;
}

void PageCommands::SavePageAs(const std::string& folder) {
    if (m_currentMenu().entries.RowCount() == 0) {
        m_desktop.ReportNoItems();
        return;
    }
    std::optional<std::string> path = AskFileName(&m_window, IDS_SAVE_PAGE_TITLE, IDS_PAGE_FILE_TYPES,
                                                  wxFD_SAVE | wxFD_OVERWRITE_PROMPT, folder, kPageFileName);
    if (path) WritePage(*path);
}

void PageCommands::CopyPageCode() {
    const MenuDocument menu = m_currentMenu();
    if (menu.entries.RowCount() == 0) {
        m_desktop.ReportNoItems();
        return;
    }
    ModernPageOptions options;
    options.label = menu.modernLabel;
    options.lang = menu.modernLanguage;
    options.snippet = true;
    std::string code = BuildModernPage(menu.entries, PageModeOf(menu.style), menu.style, options);
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(FromCoreText(code)));
        wxTheClipboard->Close();
    }
    NoteLowContrast(menu.style);
}

void PageCommands::SavePageCodeFiles(const std::string& folder) {
    const MenuDocument menu = m_currentMenu();
    if (menu.entries.RowCount() == 0) {
        m_desktop.ReportNoItems();
        return;
    }
    std::optional<std::string> chosen = AskFolder(&m_window, IDS_SAVE_PAGE_CODE_TITLE, folder);
    if (!chosen) return;
    // The code and its files share the menu's class for a name: two menus
    // can share a folder. The code refers to the files beside the page it
    // is pasted into.
    PageRequest request{menu.entries, menu.style, PageFlavor::Modern, {}, false};
    request.modernPage.label = menu.modernLabel;
    request.modernPage.lang = menu.modernLanguage;
    request.modernPage.snippet = true;
    request.modernPage.assetsUrl = ".";
    request.assetsFolder = *chosen;
    const std::string name =
        SnippetPrefix(menu.entries, PageModeOf(menu.style), menu.style, request.modernPage);
    request.outputPath = JoinedPath(*chosen, name + ".htm");
    if (CreatePage(request, m_desktop).outcome == CreateOutcome::Opened) NoteLowContrast(menu.style);
}

// The modern styled look keeps the author's colours; hard-to-read ones get
// a note that does not stop anything.
void PageCommands::NoteLowContrast(const StyleSettings& style) {
    std::vector<std::string> notes = LowContrastNotes(style);
    if (!notes.empty()) ShowContrastNote(&m_window, notes);
}

// What the classic page leaves out, in a note that does not stop anything.
void PageCommands::NoteClassicFlattening(const MenuItemList& entries) {
    std::string warning = ClassicFlatteningWarning(ClassicPageLosses(entries));
    if (warning.empty()) return;
    warning[0] = 'T';
    ShowNoteWindow(&m_window, kClassicNoteName, warning + ".");
}

}  // namespace menulark
