// Seeded random user actions on the real window, checking after every one
// that the window and the core agree. MENULARK_MONKEY_SEED and
// MENULARK_MONKEY_ACTIONS choose the run (a short one by default).
#include <wx/choice.h>
#include <wx/odcombo.h>
#include <wx/stattext.h>
#include <wx/testing.h>

#include <random>

#include "app/about_box.h"
#include "app/about_command.h"
#include "app/text_conversion.h"
#include "gui_fixture.h"
#include "page/modern_page.h"
#include "page/page_generator.h"
#include "resources/string_table.h"
#include "style/style_lists.h"
#include "style/web_browser.h"
#include "system/text_file.h"

namespace menulark::testing {
namespace {

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoul(value, nullptr, 10) : fallback;
}

class MonkeyTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        m_dialog->BrowserPane()->DisableWebView();
    }

    wxString RandomText() {
        static const wxString samples[] = {"",
                                           " ",
                                           "Home",
                                           "http://example.com/a?b=1&c=2",
                                           "Say \"hi\"",
                                           "<b>bold</b>",
                                           "%s %n %i %%",
                                           FromCoreText("Café ñ 日本"),
                                           "it's",
                                           "</script><script>alert(1)</script>",
                                           "a\tb",
                                           "#336699",
                                           wxString(wxT('x'), 300)};
        return samples[Pick(std::size(samples))];
    }

    size_t Pick(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(m_random); }

    // The checks that hold after every action.
    void CheckInvariants(const std::string& action) {
        SCOPED_TRACE(action);
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        const MenuItemList& items = m_dialog->Items();
        ASSERT_EQ(list->GetItemCount(), items.RowCount());
        for (int r = 0; r < items.RowCount(); ++r) {
            const MenuItem& item = items.Row(r);
            ASSERT_EQ(list->GetItemText(r, 0), FromCoreText(item.title));
            ASSERT_EQ(list->GetItemText(r, 1), FromCoreText(item.url));
            ASSERT_EQ(list->GetItemText(r, 2), FromCoreText(item.explanation));
        }
        wxString label = Get<wxStaticText>(IDC_SELECTED_ITEM)->GetLabel();
        wxString expected = items.SelectedRow() < 0 ? wxString("Selected item:")
                                                    : wxString(SelectionLabel(items.SelectedRow()));
        ASSERT_EQ(label, expected);
        ASSERT_TRUE(m_dialog->IsShown());
        ASSERT_LE(VisiblePickLists(), 1);
    }

    int VisiblePickLists() {
        int shown = 0;
        for (PickList list : kPickLists) shown += m_dialog->PickListControl(list)->IsShown() ? 1 : 0;
        return shown;
    }

    void CreateAndCheck() {
        std::filesystem::path page = m_dir / "Popup.htm";
        std::string before = std::filesystem::exists(page) ? ReadFile(page) : std::string();
        size_t messages = m_desktop.messages.size();
        Click(IDC_CREATE);
        StyleSettings style = m_dialog->ReadStyleSettings();
        if (m_dialog->Items().RowCount() == 0) {
            ASSERT_EQ(m_desktop.messages.size(), messages + 1);
            ASSERT_EQ(m_desktop.messages.back(), StringTableText(IDS_ADD_ITEMS_FIRST));
            ASSERT_EQ(std::filesystem::exists(page) ? ReadFile(page) : std::string(), before);
            return;
        }
        PageMode mode = style.styledMode ? PageMode::Styled : PageMode::Simple;
        bool modern = Get<wxCheckBox>(IDC_MODERN)->GetValue();
        std::string expected = modern ? BuildModernPage(m_dialog->Items(), mode, style)
                                      : BuildPage(m_dialog->Items(), mode, style);
        ASSERT_EQ(ReadFile(page), WithCrLf(expected));
        ASSERT_EQ(m_desktop.opened.back(), page.string());
    }

    void Act() {
        static const int edits[] = {IDC_TITLE,
                                    IDC_URL,
                                    IDC_EXPLANATION,
                                    IDC_BACKGROUND_COLOR,
                                    IDC_ITEM_HIGHLIGHT,
                                    IDC_FONT_SIZE,
                                    IDC_FONT_FAMILY,
                                    IDC_FONT_COLOR,
                                    IDC_BORDER_SIZE,
                                    IDC_BORDER_STYLE,
                                    IDC_BORDER_COLOR,
                                    IDC_SCROLLBAR_ARROW,
                                    IDC_SCROLLBAR_HIGHLIGHT,
                                    IDC_SCROLLBAR_3DLIGHT,
                                    IDC_SCROLLBAR_SHADOW};
        static const int choices[] = {IDC_WIDTH, IDC_HEIGHT, IDC_FONT_WEIGHT};
        switch (Pick(12)) {
            case 0:
            case 1: {
                int id = edits[Pick(std::size(edits))];
                if (!CanClick(Get(id))) break;  // switched off, or in the collapsed panel
                Type(id, RandomText());
                if (HasFatalFailure()) return;
                CheckInvariants("type into " + std::to_string(id));
                break;
            }
            case 2:
            case 3: {
                size_t messages = m_desktop.messages.size();
                int rows = m_dialog->Items().RowCount();
                bool filled = !Get<wxTextCtrl>(IDC_TITLE)->IsEmpty() &&
                              !Get<wxTextCtrl>(IDC_URL)->IsEmpty() &&
                              !Get<wxTextCtrl>(IDC_EXPLANATION)->IsEmpty();
                Click(IDC_ADD_MENU);
                ASSERT_EQ(m_dialog->Items().RowCount(), rows + (filled ? 1 : 0));
                ASSERT_EQ(m_desktop.messages.size(), messages + (filled ? 0 : 1));
                CheckInvariants("add");
                break;
            }
            case 4: {
                int rows = m_dialog->Items().RowCount();
                int remembered = m_dialog->Items().SelectedRow();
                Click(IDC_DELETE);
                ASSERT_EQ(m_dialog->Items().RowCount(),
                          rows - (remembered >= 0 && remembered < rows ? 1 : 0));
                CheckInvariants("delete");
                break;
            }
            case 5: {
                int rows = m_dialog->Items().RowCount();
                if (rows == 0) break;
                long a = static_cast<long>(Pick(static_cast<size_t>(rows)));
                if (Pick(3) == 0)
                    SelectRows({});
                else if (Pick(2) == 0)
                    SelectRows({a});
                else
                    SelectRows({a, static_cast<long>(Pick(static_cast<size_t>(rows)))});
                CheckInvariants("select");
                break;
            }
            case 6: {
                int id = Pick(3) == 0 ? IDC_ADVANCED : (Pick(2) == 0 ? IDC_SCROLLBAR : IDC_MODERN);
                if (!CanClick(Get(id))) break;  // in the collapsed panel
                Toggle(id);
                CheckInvariants("toggle " + std::to_string(id));
                break;
            }
            case 7: {
                int id = choices[Pick(3)];
                if (!CanClick(Get(id))) break;  // in the collapsed panel
                Choose(id, static_cast<int>(Pick(Get<wxChoice>(id)->GetCount())));
                if (HasFatalFailure()) return;
                CheckInvariants("choose a frame value");
                break;
            }
            case 8: {
                const PickerTargetInfo& target = PickerTargets()[Pick(12)];
                if (!CanClick(Get(target.buttonId))) break;  // switched off, or in the collapsed panel
                Click(target.buttonId);
                wxOwnerDrawnComboBox* combo = m_dialog->PickListControl(target.list);
                if (Pick(4) == 0) {  // closed without a choice: nothing changes
                    CloseDropDown(target.list);
                    CheckInvariants("picker dismissed");
                    break;
                }
                wxString entry = combo->GetString(static_cast<unsigned>(Pick(combo->GetCount())));
                PickEntry(target.list, entry);
                if (HasFatalFailure()) return;
                ASSERT_EQ(Get<wxTextCtrl>(target.editId)->GetValue(), entry);
                if (target.list == PickList::Color) {
                    ASSERT_EQ(ReadFile(m_dir / "colorFile.htm"),
                              WithCrLf(BuildSwatchPage(ToCoreText(entry))));
                }
                CheckInvariants("pick");
                break;
            }
            case 9:
            case 10:
                CreateAndCheck();
                CheckInvariants("create");
                break;
            case 11: {
                wxTEST_DIALOG(ChooseFromWindowMenu(kAboutCommand), wxExpectModal<CAboutBox>(IDC_OK));
                CheckInvariants("about");
                break;
            }
        }
    }

    std::mt19937 m_random;
};

TEST_F(MonkeyTest, RandomActionsKeepWindowAndItemsInAgreement) {
    unsigned long seed = EnvNumber("MENULARK_MONKEY_SEED", 20261207);
    unsigned long actions = EnvNumber("MENULARK_MONKEY_ACTIONS", 600);
    m_random.seed(static_cast<std::mt19937::result_type>(seed));
    RecordProperty("seed", std::to_string(seed));
    for (unsigned long i = 0; i < actions; ++i) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", action " << i);
        Act();
        if (HasFatalFailure()) return;
    }
    // The run must have exercised the list and the page, or it proves little.
    EXPECT_FALSE(m_desktop.opened.empty());
}

}  // namespace
}  // namespace menulark::testing
