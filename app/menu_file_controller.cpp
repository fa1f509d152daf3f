#include "app/menu_file_controller.h"

#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/toplevel.h>

#include <optional>

#include "app/file_chooser.h"
#include "app/menu_drop_target.h"
#include "app/text_conversion.h"
#include "page/create_page.h"
#include "page/page_templates.h"

namespace menulark {

MenuFileController::MenuFileController(wxTopLevelWindow& window, Desktop& desktop,
                                       const wxString& applicationName, std::string programCaption,
                                       MenuView view)
    : m_window(window),
      m_desktop(desktop),
      m_applicationName(applicationName),
      m_programCaption(std::move(programCaption)),
      m_view(std::move(view)),
      m_file(m_view.read()) {
    m_window.SetDropTarget(new MenuFileDropTarget([this](const std::string& path) { return Open(path); }));
}

bool MenuFileController::Open(const std::string& path) {
    return MayLeaveMenu() && Load(path);
}

void MenuFileController::OpenChosen() {
    if (!MayLeaveMenu()) return;
    std::optional<std::string> path = AskFileName(&m_window, IDS_OPEN_MENU_TITLE, IDS_MENU_FILE_TYPES,
                                                  wxFD_OPEN | wxFD_FILE_MUST_EXIST, m_file.Folder(), "");
    if (path) Load(*path);
}

bool MenuFileController::Load(const std::string& path) {
    MenuFileRead read = ReadMenuFile(path);
    if (!read.document) {
        m_desktop.ShowMessage(PageTemplates::Format(IDS_OPEN_FAILED, {path, read.error}));
        return false;
    }
    m_view.show(*read.document);
    m_file.Remember(path, m_view.read());
    UpdateCaption();
    return true;
}

bool MenuFileController::Save() {
    return m_file.Path().empty() ? SaveAs() : SaveTo(m_file.Path());
}

bool MenuFileController::SaveAs() {
    std::optional<std::string> path =
        AskFileName(&m_window, IDS_SAVE_MENU_TITLE, IDS_MENU_FILE_TYPES, wxFD_SAVE | wxFD_OVERWRITE_PROMPT,
                    m_file.Folder(), m_file.SuggestedName());
    return path && SaveTo(*path);
}

bool MenuFileController::SaveTo(const std::string& path) {
    MenuDocument menu = m_view.read();
    WriteResult written = SaveMenuFile(path, menu);
    if (!written) {
        m_desktop.ShowMessage(PageTemplates::Format(IDS_SAVE_FAILED, {path, written.reason}));
        return false;
    }
    m_file.Remember(path, menu);
    UpdateCaption();
    return true;
}

bool MenuFileController::MayLeaveMenu() {
    return m_file.MayClose(
        m_view.read(), [this] { return AskToSaveChanges(); }, [this] { return Save(); });
}

// Asked before the menu is closed or replaced while it has unsaved changes.
CloseAnswer MenuFileController::AskToSaveChanges() {
    wxMessageDialog question(&m_window, StringText(IDS_SAVE_CHANGES), m_applicationName,
                             wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_QUESTION);
    question.SetYesNoCancelLabels(StringText(IDS_SAVE_BUTTON), StringText(IDS_DONT_SAVE_BUTTON),
                                  StringText(IDS_CANCEL_BUTTON));
    switch (question.ShowModal()) {
        case wxID_YES:
            return CloseAnswer::Save;
        case wxID_NO:
            return CloseAnswer::DontSave;
        default:
            return CloseAnswer::Cancel;
    }
}

void MenuFileController::UpdateCaption() {
    m_window.SetTitle(PathText(m_file.Caption(m_programCaption)));
}

}  // namespace menulark
