// Menu files, editing and moving entries, and saving the page elsewhere,
// through the real window: keys pressed, boxes typed into, buttons clicked;
// file dialogs and questions answered through wxTEST_DIALOG.
#include <wx/dirdlg.h>
#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <optional>
#include <regex>
#include <sstream>

#include "app/edit_entry_dlg.h"
#include "app/menulark_app.h"
#include "app/page_commands.h"
#include "app/window_commands.h"
#include "gui_fixture.h"
#include "menu/menu_file.h"
#include "resources/string_table.h"
#include "tests/core/expected_pages.h"
#include "tools/page_command.h"

// An unexpected or missing dialog fails the test instead of stopping at an
// assertion box.
class FailingModalHook : public wxTestingModalHook {
public:
    using wxTestingModalHook::wxTestingModalHook;

protected:
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.utf8_string(); }
};
#undef wxTEST_DIALOG_HOOK_CLASS
#define wxTEST_DIALOG_HOOK_CLASS FailingModalHook

// A folder dialog answered as wxWidgets answers file dialogs in tests. GTK's
// SetPath only moves its chooser, which is never shown here; the base class
// keeps the path that GetPath gives, as an accepted choice does.
template <>
class wxExpectModal<wxDirDialog> : public wxExpectModalBase<wxDirDialog> {
public:
    explicit wxExpectModal(const wxString& path) : m_path(path) {}

protected:
    int OnInvoked(wxDirDialog* dialog) const override {
        dialog->wxDirDialogBase::SetPath(m_path);
        return wxID_OK;
    }

    wxString m_path;
};

namespace menulark::testing {
namespace {

// Runs `action`, failing the test if it opens any dialog.
template <typename Action>
void WithoutDialogs(Action action) {
    FailingModalHook hook(__FILE__, __LINE__, "WithoutDialogs");
    action();
}

void Settle() {
    for (int i = 0; i < 3; ++i) wxYield();
}

void SettleInput() {
    for (int i = 0; i < 10; ++i) {
        wxMilliSleep(2);
        Settle();
    }
}

wxPoint MiddleOf(wxWindow* control) {
    wxRect rect = control->GetScreenRect();
    return rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2);
}

void ClickAt(wxPoint point) {
    wxUIActionSimulator mouse;
    mouse.MouseMove(point);
    Settle();
    mouse.MouseClick();
    SettleInput();
}

// The entry editor used as a person does: it checks what the boxes show,
// replaces each box's text by clicking into it, selecting all and typing,
// and clicks `button`. wxTEST_DIALOG hands the editor over before it shows,
// so it is shown here, and the button's result reported as ShowModal would.
class UseEditor : public wxExpectModalBase<CEditEntryDlg> {
public:
    UseEditor(MenuItem shown, MenuItem typed, int button)
        : m_shown(std::move(shown)), m_typed(std::move(typed)), m_button(button) {}

protected:
    int OnInvoked(CEditEntryDlg* editor) const override {
        editor->Show();
        editor->Raise();
        SettleInput();
        const std::pair<int, const std::string*> boxes[] = {
            {IDC_TITLE, &m_typed.title}, {IDC_URL, &m_typed.url}, {IDC_EXPLANATION, &m_typed.explanation}};
        EXPECT_EQ(editor->Entry(), m_shown);
        wxUIActionSimulator keyboard;
        for (const auto& [id, text] : boxes) {
            ClickAt(MiddleOf(editor->Control(id)));
            EXPECT_EQ(wxWindow::FindFocus(), editor->Control(id)) << id;
            keyboard.Char('A', wxMOD_CONTROL);
            keyboard.Char(WXK_DELETE);
            if (!text->empty()) keyboard.Text(text->c_str());
            SettleInput();
        }
        EXPECT_EQ(editor->Entry(), m_typed);
        ClickAt(MiddleOf(editor->Control(m_button)));
        EXPECT_FALSE(editor->IsShown());
        // What ShowModal gives for the button (a dialog that is not modal
        // keeps no return code).
        return m_button == IDC_OK ? static_cast<int>(IDC_OK) : static_cast<int>(wxID_CANCEL);
    }

private:
    MenuItem m_shown, m_typed;
    int m_button;
};

// The entry editor: a click on "Open in a new tab", then OK.
class TickNewTab : public wxExpectModalBase<CEditEntryDlg> {
protected:
    int OnInvoked(CEditEntryDlg* editor) const override {
        editor->Show();
        editor->Raise();
        SettleInput();
        auto* box = static_cast<wxCheckBox*>(editor->Control(IDC_NEW_TAB));
        EXPECT_FALSE(box->GetValue());
        wxRect rect = box->GetScreenRect();
        ClickAt(rect.GetPosition() + wxPoint(box->FromDIP(8), rect.height / 2));
        EXPECT_TRUE(box->GetValue());
        ClickAt(MiddleOf(editor->Control(IDC_OK)));
        return IDC_OK;
    }
};

class MenuFileWindowTest : public MainWindowTest {
protected:
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    /// Presses a key in the entry list, as after choosing a row there.
    void Press(int key, int modifiers = wxMOD_NONE) {
        m_dialog->Raise();
        Get(IDC_MENU_LIST)->SetFocus();
        Settle();
        wxUIActionSimulator keyboard;
        keyboard.Char(key, modifiers);
        SettleInput();
    }

    /// The list control shows exactly the entries, and the label the remembered row.
    void ExpectListShowsTheEntries() {
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        const MenuItemList& items = m_dialog->Items();
        ASSERT_EQ(list->GetItemCount(), items.RowCount());
        for (int r = 0; r < items.RowCount(); ++r) {
            EXPECT_EQ(list->GetItemText(r, 0), wxString::FromUTF8(items.Row(r).title.c_str())) << r;
            EXPECT_EQ(list->GetItemText(r, 1), wxString::FromUTF8(items.Row(r).url.c_str())) << r;
            EXPECT_EQ(list->GetItemText(r, 2), wxString::FromUTF8(items.Row(r).explanation.c_str())) << r;
        }
        int row = items.SelectedRow();
        EXPECT_EQ(Get<wxStaticText>(IDC_SELECTED_ITEM)->GetLabel(),
                  row < 0 ? wxString("Selected item:") : wxString(SelectionLabel(row)));
    }

    std::vector<long> SelectedRows() {
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        std::vector<long> rows;
        for (long r = list->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); r != -1;
             r = list->GetNextItem(r, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
            rows.push_back(r);
        return rows;
    }

    MenuDocument FileContents(const std::string& path) {
        MenuFileRead read = ReadMenuFile(path);
        EXPECT_TRUE(read.document) << read.error;
        return read.document.value_or(MenuDocument{});
    }
};

TEST_F(MenuFileWindowTest, SavedMenuReopensAndGivesTheCommandTheWindowsPage) {
    AddItem("Home", "http://example.org/", "Go home");
    AddItem("News", "http://example.org/news", "Latest \"news\" & <more>");
    Toggle(IDC_ADVANCED);
    const wxSize expanded = m_dialog->GetClientSize();
    Toggle(IDC_MODERN);
    Type(IDC_FONT_COLOR, "navy");
    Click(IDC_CREATE);
    const std::string page = ReadFile(m_dir / "Popup.htm");
    ASSERT_EQ(page, expected::Page("modern_styled_font_navy"));

    // Ctrl+S before there is a file asks for its name.
    const std::string menu = PathOf("shop.menu.json");
    wxTEST_DIALOG(Press('S', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(menu));
    EXPECT_EQ(m_dialog->MenuFilePath(), menu);
    EXPECT_EQ(m_dialog->GetTitle(), "shop.menu.json - Menulark");
    EXPECT_EQ(FileContents(menu), m_dialog->CurrentMenu());

    // The command makes the window's page from the file.
    std::ostringstream out, err;
    std::istringstream in;
    CommandDesktop command(out, err);
    ASSERT_EQ(RunPageCommand({menu, "-o", PathOf("command.htm")}, in, command), 0) << err.str();
    EXPECT_EQ(ReadFile(PathOf("command.htm")), page);

    // Save page as: the same bytes in a place of one's choosing, opened there.
    std::filesystem::create_directory(m_dir / "site");
    const std::string sitePage = PathOf("site/menu.htm");
    m_desktop.opened.clear();
    wxTEST_DIALOG(Press('S', wxMOD_CONTROL | wxMOD_SHIFT), wxExpectModal<wxFileDialog>(sitePage));
    EXPECT_EQ(ReadFile(sitePage), page);
    EXPECT_EQ(m_desktop.opened, std::vector<std::string>{sitePage});
    EXPECT_EQ(ReadFile(m_dir / "Popup.htm"), page);

    // Save menu as (no key of its own): a second file, which the caption then names.
    const std::string copy = PathOf("copy.menu.json");
    wxTEST_DIALOG(ChooseFromWindowMenu(kSaveMenuAsCommand), wxExpectModal<wxFileDialog>(copy));
    EXPECT_EQ(m_dialog->GetTitle(), "copy.menu.json - Menulark");
    EXPECT_EQ(ReadFile(copy), ReadFile(menu));

    // Changed and reopened without saving: every control as the file has it.
    Type(IDC_FONT_COLOR, "red");
    Toggle(IDC_ADVANCED);
    Toggle(IDC_MODERN);
    SelectRows({1});
    Click(IDC_DELETE);
    wxTEST_DIALOG(Press('O', wxMOD_CONTROL), wxExpectModal<wxMessageDialog>(wxID_NO),
                  wxExpectModal<wxFileDialog>(menu));
    EXPECT_EQ(m_dialog->CurrentMenu(), FileContents(menu));
    ExpectListShowsTheEntries();
    EXPECT_EQ(m_dialog->Items().RowCount(), 2);
    EXPECT_EQ(m_dialog->Items().SelectedRow(), -1);
    EXPECT_TRUE(Get<wxCheckBox>(IDC_ADVANCED)->GetValue());
    EXPECT_EQ(m_dialog->GetClientSize(), expanded);
    EXPECT_TRUE(Get<wxCheckBox>(IDC_MODERN)->GetValue());
    EXPECT_EQ(Get<wxTextCtrl>(IDC_FONT_COLOR)->GetValue(), "navy");

    // Nothing to lose now: Ok closes at once.
    Click(IDC_OK);
    EXPECT_FALSE(m_dialog->IsShown());
    EXPECT_EQ(m_dialog->GetReturnCode(), kResultOk);
}

TEST_F(MenuFileWindowTest, SavePageCodeFilesWritesTheCodeAndItsTwoFilesIntoTheChosenFolder) {
    AddItem("Home", "http://example.com/", "Start");
    AddItem("News", "news.htm", "What is new");
    std::filesystem::create_directory(m_dir / "site");
    const std::string folder = PathOf("site");
    wxTEST_DIALOG(ChooseFromWindowMenu(kSavePageCodeFilesCommand), wxExpectModal<wxDirDialog>(folder));

    ModernPageOptions options;
    options.snippet = true;
    options.assetsUrl = ".";
    const StyleSettings style = m_dialog->ReadStyleSettings();
    const std::string prefix = SnippetPrefix(m_dialog->Items(), PageMode::Simple, style, options);
    std::vector<std::string> written;
    for (const auto& file : std::filesystem::directory_iterator(m_dir / "site"))
        written.push_back(file.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{prefix + ".css", prefix + ".htm", prefix + ".js"}));
    EXPECT_EQ(ReadFile(PathOf("site/" + prefix + ".htm")),
              expected::OnDisk(BuildModernPage(m_dialog->Items(), PageMode::Simple, style, options)));
    for (const SnippetFile& file : SnippetFiles(m_dialog->Items(), PageMode::Simple, style, options))
        EXPECT_EQ(ReadFile(PathOf("site/" + file.name)), expected::OnDisk(file.text)) << file.name;
    EXPECT_TRUE(m_desktop.opened.empty()) << "page code is not a page to open";
}

TEST_F(MenuFileWindowTest, DroppedAndCommandLineFilesOpenAndABadOneChangesNothing) {
    // Every value of the example, its own keys and the modern label and
    // language included, goes through the window and back into a file.
    const std::string example = PathOf("example.menu.json");
    std::filesystem::copy_file(std::string(MENULARK_TEST_DATA_DIR) + "/example.menu.json", example);
    std::string broken = ReadFile(example);
    broken.replace(broken.find("\"Home\""), 6, "\"\"");
    const std::string bad = PathOf("bad.menu.json");
    { std::ofstream(bad, std::ios::binary) << broken; }

    struct Args {
        std::vector<std::string> args;
        std::optional<std::string> file;
        const char* errorPart;
        bool help = false, version = false;
    };
    const Args parses[] = {
        {{}, std::nullopt, ""},
        {{example}, example, ""},
        {{"--", "-dash.menu.json"}, "-dash.menu.json", ""},
        {{"a.menu.json", "b.menu.json"}, std::nullopt, "Unexpected parameter 'b.menu.json'"},
        {{"--fancy"}, std::nullopt, "Unknown long option 'fancy'"},
        {{""}, std::nullopt, "an empty menu file name was given"},
        {{"--help", example}, std::nullopt, "", true},
        {{"-h"}, std::nullopt, "", true},
        {{"--version"}, std::nullopt, "", false, true},
    };
    for (const Args& a : parses) {
        SCOPED_TRACE(a.args.empty() ? std::string("no arguments") : a.args.front());
        WindowArguments parsed = ParseWindowArguments(a.args);
        EXPECT_EQ(parsed.menuFile, a.file);
        EXPECT_NE(parsed.error.find(a.errorPart), std::string::npos) << parsed.error;
        EXPECT_EQ(parsed.error.empty(), *a.errorPart == '\0') << parsed.error;
        EXPECT_EQ(parsed.help, a.help);
        EXPECT_EQ(parsed.version, a.version);
    }
    EXPECT_TRUE(std::regex_match(WindowVersion(), std::regex("Menulark [0-9]+(\\.[0-9]+)+")))
        << WindowVersion();

    // `menulark FILE`: opened once the window's events run, as the program does.
    OpenMenuFileWhenShown(*m_dialog, *ParseWindowArguments({example}).menuFile);
    SettleInput();
    const MenuDocument fromFile = FileContents(example);
    EXPECT_EQ(m_dialog->CurrentMenu(), fromFile);
    EXPECT_EQ(m_dialog->GetTitle(), "example.menu.json - Menulark");
    ExpectListShowsTheEntries();
    WithoutDialogs([&] { Press('S', wxMOD_CONTROL); });  // to the open file, without asking
    EXPECT_EQ(FileContents(example), fromFile);
    EXPECT_TRUE(m_desktop.messages.empty());

    // A drop, as the toolkit delivers it (the test display has no drag
    // source, so the drop target is handed the files directly). A bad file
    // is reported with its name and the place of the fault, and changes nothing.
    auto* dropTarget = dynamic_cast<wxFileDropTarget*>(m_dialog->GetDropTarget());
    ASSERT_NE(dropTarget, nullptr);
    SelectRows({2});
    Click(IDC_DELETE);
    const MenuDocument changed = m_dialog->CurrentMenu();
    wxArrayString badFiles;
    badFiles.push_back(bad);
    wxTEST_DIALOG(EXPECT_FALSE(dropTarget->OnDropFiles(20, 20, badFiles)),
                  wxExpectModal<wxMessageDialog>(wxID_NO));
    ASSERT_EQ(m_desktop.messages.size(), 1u);
    EXPECT_EQ(m_desktop.messages[0],
              "The menu file could not be opened.\n\nFile: " + bad + "\nReason: " + ReadMenuFile(bad).error);
    EXPECT_NE(m_desktop.messages[0].find("/entries/0/title"), std::string::npos);
    EXPECT_EQ(m_dialog->CurrentMenu(), changed);
    EXPECT_EQ(m_dialog->GetTitle(), "example.menu.json - Menulark");

    wxArrayString goodFiles;
    goodFiles.push_back(example);
    wxTEST_DIALOG(EXPECT_TRUE(dropTarget->OnDropFiles(20, 20, goodFiles)),
                  wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_EQ(m_dialog->CurrentMenu(), fromFile);
    ExpectListShowsTheEntries();
}

TEST_F(MenuFileWindowTest, EditAndMoveFollowTheRememberedRow) {
    // With no row remembered, each says so as Delete does.
    for (auto [key, modifiers] :
         {std::pair{WXK_F2, wxMOD_NONE}, {WXK_UP, wxMOD_ALT}, {WXK_DOWN, wxMOD_ALT}}) {
        m_desktop.messages.clear();
        Press(key, modifiers);
        EXPECT_EQ(m_desktop.messages,
                  std::vector<std::string>{std::string(StringTableText(IDS_SELECT_MENU))});
    }
    m_desktop.messages.clear();

    AddItem("A", "http://a/", "a");
    AddItem("B", "http://b/", "b");
    AddItem("C", "http://c/", "c");
    SelectRows({1});

    // F2: the row's texts, replaced on OK.
    const MenuItem edited{"Bee", "https://b.example/new", "the second"};
    wxTEST_DIALOG(Press(WXK_F2), UseEditor(MenuItem{"B", "http://b/", "b"}, edited, IDC_OK));
    EXPECT_EQ(m_dialog->Items().Row(1), edited);
    ExpectListShowsTheEntries();

    // An emptied box: message 102, and the editor again with what was typed;
    // Cancel then changes nothing.
    const MenuItem emptied{"Bee", "", "the second"};
    wxTEST_DIALOG(Press(WXK_F2), UseEditor(edited, emptied, IDC_OK), UseEditor(emptied, emptied, IDC_CANCEL));
    EXPECT_EQ(m_desktop.messages, std::vector<std::string>{std::string(StringTableText(IDS_FILL_ALL_BOXES))});
    EXPECT_EQ(m_dialog->Items().Row(1), edited);
    ExpectListShowsTheEntries();

    // Moving: the entry, its selection, the remembered row and the label go together.
    struct Step {
        int key;
        std::vector<std::string> titles;
        int row;
    };
    const Step steps[] = {
        {WXK_UP, {"Bee", "A", "C"}, 0},   {WXK_UP, {"Bee", "A", "C"}, 0},  // already first
        {WXK_DOWN, {"A", "Bee", "C"}, 1}, {WXK_DOWN, {"A", "C", "Bee"}, 2},
        {WXK_DOWN, {"A", "C", "Bee"}, 2},  // already last
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "to row " << step.row);
        Press(step.key, wxMOD_ALT);
        std::vector<std::string> titles;
        for (const MenuItem& item : m_dialog->Items()) titles.push_back(item.title);
        EXPECT_EQ(titles, step.titles);
        EXPECT_EQ(m_dialog->Items().SelectedRow(), step.row);
        EXPECT_EQ(SelectedRows(), std::vector<long>{step.row});
        ExpectListShowsTheEntries();
    }
    // Delete follows the moved entry.
    Click(IDC_DELETE);
    EXPECT_EQ(Get<wxListCtrl>(IDC_MENU_LIST)->GetItemCount(), 2);
    EXPECT_EQ(m_dialog->Items().Row(1).title, "C");
    EXPECT_EQ(m_desktop.messages.size(), 1u);
}

// Structure through the keys and the window menu: the list shows it, and the
// saved file gives menulark-page the page the window wrote.
TEST_F(MenuFileWindowTest, IndentOutdentSeparatorHeadingAndNewTabEndInTheCommandsPage) {
    for (const char* title : {"A", "B", "C", "D"}) AddItem(title, wxString("http://") + title + "/", title);
    struct Step {
        long select;
        int key;  // with Alt
        std::vector<std::string> rows;
    };
    const Step steps[] = {
        {1, WXK_RIGHT, {"A", "    B", "C", "D"}},         {2, WXK_RIGHT, {"A", "    B", "    C", "D"}},
        {2, WXK_RIGHT, {"A", "    B", "        C", "D"}}, {2, WXK_LEFT, {"A", "    B", "    C", "D"}},
        {0, WXK_LEFT, {"A", "    B", "    C", "D"}},  // already at the top
    };
    const wxString line(wxUniChar(0x2500), 12);
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "row " << step.select << " key " << step.key);
        SelectRows({step.select});
        Press(step.key, wxMOD_ALT);
        auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
        ASSERT_EQ(list->GetItemCount(), static_cast<int>(step.rows.size()));
        for (int r = 0; r < list->GetItemCount(); ++r) EXPECT_EQ(list->GetItemText(r, 0), step.rows[r]) << r;
        EXPECT_EQ(SelectedRows(), std::vector<long>{step.select});
    }
    SelectRows({2});
    ChooseFromWindowMenu(kInsertSeparatorCommand);  // after C, in A's submenu
    Type(IDC_TITLE, "More");
    SelectRows({3});
    ChooseFromWindowMenu(kInsertHeadingCommand);  // after the separator
    SelectRows({5});
    wxTEST_DIALOG(Press(WXK_F2), TickNewTab());
    auto* list = Get<wxListCtrl>(IDC_MENU_LIST);
    const std::vector<wxString> shown = {"A", "    B", "    C", "    " + line, "    More", "D"};
    ASSERT_EQ(list->GetItemCount(), 6);
    for (int r = 0; r < 6; ++r) EXPECT_EQ(list->GetItemText(r, 0), shown[r]) << r;
    EXPECT_TRUE(list->GetItemFont(4).IsOk() && list->GetItemFont(4).GetWeight() == wxFONTWEIGHT_BOLD);
    EXPECT_TRUE(m_dialog->Items().Row(5).newTab);
    EXPECT_TRUE(m_desktop.messages.empty());

    // The classic page says in a note what it leaves out.
    Click(IDC_CREATE);
    wxWindow* note = wxWindow::FindWindowByName(kClassicNoteName, m_dialog);
    ASSERT_TRUE(note && note->IsShown());
    ClickAt(MiddleOf(note->FindWindow(wxID_OK)));
    EXPECT_FALSE(note->IsShown());

    Toggle(IDC_MODERN);
    Click(IDC_CREATE);
    const std::string menu = PathOf("rich.menu.json");
    wxTEST_DIALOG(Press('S', wxMOD_CONTROL), wxExpectModal<wxFileDialog>(menu));
    EXPECT_NE(ReadFile(menu).find("\"version\": 3,"), std::string::npos);
    std::ostringstream out, err;
    std::istringstream in;
    CommandDesktop command(out, err);
    ASSERT_EQ(RunPageCommand({menu, "-o", PathOf("command.htm")}, in, command), 0) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(ReadFile(PathOf("command.htm")), ReadFile(m_dir / "Popup.htm"));
}

TEST_F(MenuFileWindowTest, ClosingWithUnsavedChangesAsksSaveDontSaveOrCancel) {
    const std::string menu = PathOf("asked.menu.json");
    enum class How { Ok, Escape, CloseBox };
    struct Case {
        const char* what;
        How how;
        int answer;                       // to the question
        std::optional<std::string> name;  // for the file dialog, when one is asked for
        bool closes;
        int result;
    };
    const Case cases[] = {
        {"cancel keeps the window", How::Ok, wxID_CANCEL, std::nullopt, false, 0},
        {"save with the file dialog cancelled keeps it", How::CloseBox, wxID_YES, "", false, 0},
        {"save asks for a name, saves and closes", How::Ok, wxID_YES, menu, true, kResultOk},
        {"don't save closes", How::Escape, wxID_NO, std::nullopt, true, kResultCancel},
        {"save to the open file", How::CloseBox, wxID_YES, std::nullopt, true, kResultCancel},
    };
    AddItem("A", "http://a/", "a");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!m_dialog->IsShown()) {
            m_dialog->Show();
            m_dialog->Raise();
            Settle();
        }
        AddItem("more", "http://more/", "m");  // something to lose
        const MenuDocument before = m_dialog->CurrentMenu();
        auto close = [&] {
            switch (c.how) {
                case How::Ok:
                    Click(IDC_OK);
                    break;
                case How::Escape: {
                    m_dialog->Raise();
                    Get(IDC_TITLE)->SetFocus();
                    Settle();
                    wxUIActionSimulator keyboard;
                    keyboard.Char(WXK_ESCAPE);
                    SettleInput();
                    break;
                }
                case How::CloseBox:
                    m_dialog->Close();  // what the close box sends
                    Settle();
                    break;
            }
        };
        // The file dialog comes only when there is no file yet; an empty
        // name stands for its Cancel.
        if (c.name) {
            wxTEST_DIALOG(close(), wxExpectModal<wxMessageDialog>(c.answer),
                          wxExpectModal<wxFileDialog>(*c.name, c.name->empty() ? wxID_CANCEL : wxID_OK));
        } else {
            wxTEST_DIALOG(close(), wxExpectModal<wxMessageDialog>(c.answer));
        }
        EXPECT_EQ(m_dialog->IsShown(), !c.closes);
        if (c.closes) {
            EXPECT_EQ(m_dialog->GetReturnCode(), c.result);
        }
        EXPECT_EQ(m_dialog->CurrentMenu(), before) << "the menu itself never changes";
        bool saved = c.answer == wxID_YES && c.closes;
        if (saved) {
            EXPECT_EQ(FileContents(menu), before);
        } else if (std::filesystem::exists(menu)) {
            EXPECT_NE(FileContents(menu), before);
        }
    }
}

}  // namespace
}  // namespace menulark::testing
