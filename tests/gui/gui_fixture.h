#pragma once
// Shared set-up of the window tests: the real dialog, shown on the display,
// with a recording desktop and a temporary base directory.

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/menulark_dlg.h"
#include "page/create_page.h"
#include "tests/core/recording_desktop.h"
#include "tests/core/temp_dir.h"

// Lets wxTEST_DIALOG answer the About box as it answers a message box.
template <>
class wxExpectModal<menulark::CAboutBox> : public wxExpectDismissableModal<menulark::CAboutBox> {
public:
    explicit wxExpectModal(int id) : wxExpectDismissableModal<menulark::CAboutBox>(id) {}
};

namespace menulark::testing {

using testing_support::RecordingDesktop;

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        DialogEnvironment environment;
        environment.desktop = &m_desktop;
        environment.baseDirectory = m_dir.string() + "/";
        m_dialog = new CMenularkDlg(environment);
        m_dialog->Show();
        Settle();
    }

    void TearDown() override {
        m_dialog->Destroy();
        Settle();
    }

    /// Lets the toolkit process what the last action caused.
    static void Settle() {
        for (int i = 0; i < 3; ++i) wxYield();
    }

    template <typename T = wxWindow>
    T* Get(int id) {
        auto* control = dynamic_cast<T*>(m_dialog->Control(id));
        EXPECT_NE(control, nullptr) << "control " << id;
        return control;
    }

    /// What a click on a push button delivers.
    void Click(int id) {
        wxWindow* button = Get(id);
        wxCommandEvent event(wxEVT_BUTTON, id);
        event.SetEventObject(button);
        button->GetEventHandler()->ProcessEvent(event);
        Settle();
    }

    /// What a click on a check box delivers: it toggles, then reports.
    void Toggle(int id) {
        auto* box = Get<wxCheckBox>(id);
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, id);
        event.SetEventObject(box);
        event.SetInt(box->GetValue() ? 1 : 0);
        box->GetEventHandler()->ProcessEvent(event);
        Settle();
    }

    void Type(int id, const wxString& text) { Get<wxTextCtrl>(id)->SetValue(text); }

    void AddItem(const wxString& title, const wxString& url, const wxString& explanation) {
        Type(IDC_TITLE, title);
        Type(IDC_URL, url);
        Type(IDC_EXPLANATION, explanation);
        Click(IDC_ADD_MENU);
    }

    /// Selects exactly the given rows, as clicks in the list would.
    void SelectRows(std::initializer_list<long> rows) {
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        for (long r = 0; r < list->GetItemCount(); ++r) list->SetItemState(r, 0, wxLIST_STATE_SELECTED);
        for (long r : rows) list->SetItemState(r, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        Settle();
    }

    testing_support::TempDir m_tempDir;  // the base directory, removed with the test
    std::filesystem::path m_dir{m_tempDir.Path()};
    RecordingDesktop m_desktop;
    CMenularkDlg* m_dialog = nullptr;
};

}  // namespace menulark::testing
