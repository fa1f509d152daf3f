// The three item boxes as a person uses them: pastes through the real
// clipboard and key presses, and what the box looks like afterwards.
#include <wx/clipbrd.h>
#include <wx/uiaction.h>

#include "gtk_warnings.h"
#include "gui_fixture.h"

namespace menulark::testing {
namespace {

using ItemBoxTest = MainWindowTest;

enum class PasteBy { CtrlV, ShiftInsert, MiddleClick };

// Waits until `edit` shows something other than `before`, or gives up.
void WaitForChange(wxTextCtrl* edit, const wxString& before) {
    for (int i = 0; i < 100 && edit->GetValue() == before; ++i) {
        wxMilliSleep(5);
        wxYield();
    }
}

TEST_F(ItemBoxTest, PastedLineBreaksBecomeBlanks) {
    const int boxes[] = {IDC_TITLE, IDC_URL, IDC_EXPLANATION};
    const char* lineEnds[] = {"\n", "\r\n"};
    const PasteBy ways[] = {PasteBy::CtrlV, PasteBy::ShiftInsert, PasteBy::MiddleClick};
    m_dialog->Raise();
    wxUIActionSimulator person;
    for (int id : boxes) {
        for (const char* lineEnd : lineEnds) {
            for (PasteBy way : ways) {
                SCOPED_TRACE(::testing::Message() << "box " << id << ", line end " << (lineEnd[0] == '\r' ? "CR LF" : "LF")
                                                << ", paste " << static_cast<int>(way));
                auto* edit = Get<wxTextCtrl>(id);
                edit->ChangeValue("");
                const wxString copied = wxString("http://example.org/page") + lineEnd + "next" + lineEnd;
                ASSERT_TRUE(wxTheClipboard->Open());
                wxTheClipboard->UsePrimarySelection(way == PasteBy::MiddleClick);
                wxTheClipboard->SetData(new wxTextDataObject(copied));
                wxTheClipboard->Close();
                wxTheClipboard->UsePrimarySelection(false);
                int warnings = GtkWarnings::Count();

                person.MouseMove(edit->GetScreenRect().GetLeftTop() + wxPoint(20, edit->GetSize().y / 2));
                Settle();
                if (way == PasteBy::MiddleClick) {
                    person.MouseClick(wxMOUSE_BTN_MIDDLE);
                } else {
                    person.MouseClick();
                    for (int i = 0; i < 10 && wxWindow::FindFocus() != edit; ++i) Settle();
                    ASSERT_EQ(wxWindow::FindFocus(), edit);
                    if (way == PasteBy::CtrlV)
                        person.Char('v', wxMOD_CONTROL);
                    else
                        person.Char(WXK_INSERT, wxMOD_SHIFT);
                }
                WaitForChange(edit, "");
                Settle();
                EXPECT_EQ(edit->GetValue(), "http://example.org/page next ");
                EXPECT_EQ(GtkWarnings::Count(), warnings);
            }
        }
    }
}

}  // namespace
}  // namespace menulark::testing
