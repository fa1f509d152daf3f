// The three item boxes as a person uses them: pastes through the real
// clipboard and key presses, and what the box looks like afterwards.
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
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
                SCOPED_TRACE(::testing::Message()
                             << "box " << id << ", line end " << (lineEnd[0] == '\r' ? "CR LF" : "LF")
                             << ", paste " << static_cast<int>(way));
                auto* edit = Get<wxTextCtrl>(id);
                Type(id, "");
                ASSERT_EQ(edit->GetValue(), "");
                const wxString copied = wxString("http://example.org/page") + lineEnd + "next" + lineEnd;
                SetClipboardText(copied, way == PasteBy::MiddleClick);
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
    ClearClipboards();
}

// What the screen shows of `window`.
wxImage Screenshot(wxWindow* window) {
    wxRect rect = window->GetScreenRect();
    wxBitmap bitmap(rect.GetSize());
    wxMemoryDC memory(bitmap);
    wxScreenDC screen;
    memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    memory.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

TEST_F(ItemBoxTest, BoxEmptiedAfterAWideValueShowsNoBar) {
    const int boxes[] = {IDC_TITLE, IDC_URL, IDC_EXPLANATION};
    wxUIActionSimulator person;
    auto clickInto = [&](wxWindow* box) {
        person.MouseMove(box->GetScreenRect().GetLeftTop() + wxPoint(20, box->GetSize().y / 2));
        Settle();
        person.MouseClick();
        for (int i = 0; i < 10 && wxWindow::FindFocus() != box; ++i) Settle();
    };
    // Pastes a value wider than the box, empties it, types "short" and
    // leaves the box, as the author would.
    auto wideThenShort = [&](int id) {
        auto* edit = Get<wxTextCtrl>(id);
        clickInto(edit);
        EXPECT_EQ(wxWindow::FindFocus(), edit);
        SetClipboardText(wxString('w', 300));
        const wxString before = edit->GetValue();
        person.Char('v', wxMOD_CONTROL);
        WaitForChange(edit, before);
        person.Char('a', wxMOD_CONTROL);
        Settle();
        person.Char(WXK_BACK);
        Settle();
        person.Text("short");
        Settle();
        EXPECT_EQ(edit->GetValue(), "short");
        clickInto(Get(id == IDC_TITLE ? IDC_URL : IDC_TITLE));
        for (int i = 0; i < 5; ++i) {
            wxMilliSleep(10);
            Settle();
        }
    };

    m_dialog->Raise();
    for (int id : boxes) {
        wideThenShort(id);
        // Left of the text the box shows its blank background, as at its
        // right end; inside the one-pixel frame.
        wxImage shot = Screenshot(Get(id));
        const int w = shot.GetWidth(), strip = 4;
        int differing = 0;
        for (int y = 1; y < shot.GetHeight() - 1; ++y)
            for (int x = 1; x <= strip; ++x) {
                int mirrored = w - 1 - x;
                differing += shot.GetRed(x, y) != shot.GetRed(mirrored, y) ||
                             shot.GetGreen(x, y) != shot.GetGreen(mirrored, y) ||
                             shot.GetBlue(x, y) != shot.GetBlue(mirrored, y);
            }
        EXPECT_EQ(differing, 0) << "box " << id;
    }
}

}  // namespace
}  // namespace menulark::testing
