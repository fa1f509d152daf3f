#include "app/preview_window.h"

#include <wx/accel.h>
#include <wx/display.h>
#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>
#include <wx/webview.h>

#ifdef __WXGTK3__
#include <gtk/gtk.h>
#endif

#include "app/text_conversion.h"
#include "page/create_page.h"
#include "style/file_url.h"

namespace menulark {
namespace {

using Clock = std::chrono::steady_clock;

// A page that never reports its end does not stop the preview for good.
constexpr std::chrono::seconds kLoadGivenUpAfter{3};

// The web engine that can show the modern page; nullptr when there is none.
// Internet Explorer's control, Windows' default, cannot run its script.
const char* PreviewBackend() {
#if wxUSE_WEBVIEW
#ifdef __WXMSW__
    if (wxWebView::IsBackendAvailable(wxWebViewBackendEdge)) return wxWebViewBackendEdge;
#else
    if (wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) return wxWebViewBackendDefault;
#endif
#endif
    return nullptr;
}

wxString PageUrl(const std::string& folder) {
#ifdef __WXMSW__
    return wxFileSystem::FileNameToURL(wxFileName(PathText(folder + kPageFileName)));
#else
    return FromCoreText(FileUrlOf(folder + kPageFileName));
#endif
}

// The name a screen reader announces for `window`.
void NameForScreenReaders(wxWindow* window, const wxString& name) {
    window->SetName(name);
#ifdef __WXGTK3__
    if (AtkObject* accessible = gtk_widget_get_accessible(window->GetHandle()))
        atk_object_set_name(accessible, name.utf8_str());
#endif
}

}  // namespace

PreviewFrame::PreviewFrame(wxWindow* owner, std::function<PreviewContent()> content, wxString baseUrl)
    : wxFrame(owner, wxID_ANY, StringText(IDS_PREVIEW_TITLE), wxDefaultPosition, wxDefaultSize,
              wxDEFAULT_FRAME_STYLE, kPreviewWindowName),
      m_content(std::move(content)),
      m_baseUrl(std::move(baseUrl)),
      m_timer(this) {
#ifdef __WXGTK3__
    // A group of its own: the main window runs modally, and its grab would
    // otherwise keep the mouse and keys from the preview.
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, GTK_WINDOW(GetHandle()));
    g_object_unref(group);
#endif
    SetClientSize(FromDIP(wxSize(480, 400)));
    NameForScreenReaders(CreateStatusBar(1), StringText(IDS_PREVIEW_STATUS_NAME));
    Bind(wxEVT_TIMER, &PreviewFrame::OnTimer, this, m_timer.GetId());
    Bind(wxEVT_CLOSE_WINDOW, &PreviewFrame::OnClose, this);
    // Ctrl+W closes it, as it closes a browser's page.
    wxAcceleratorEntry closeKey(wxACCEL_CTRL, 'W', wxID_CLOSE);
    SetAcceleratorTable(wxAcceleratorTable(1, &closeKey));
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_CLOSE);
}

bool PreviewFrame::StartWebView(const char* backend) {
#if wxUSE_WEBVIEW
    // A back end that could make no real control logs an error that would
    // pop up a box; the view is trusted only with a control behind it.
    wxLogNull quiet;
    m_ownLoad = m_loading = m_blankLoading = true;  // the view starts with a blank page
    m_loadStarted = Clock::now();
    m_webView = wxWebView::New(this, wxID_ANY, wxWebViewDefaultURLStr, wxDefaultPosition, GetClientSize(),
                               backend, wxBORDER_NONE);
    if (m_webView && !m_webView->GetNativeBackend()) {
        m_webView->Destroy();
        m_webView = nullptr;
    }
#else
    (void)backend;
#endif
    if (!m_webView) return false;
    // The page's own menu is the one to see, not the engine's.
    m_webView->EnableContextMenu(false);
    m_webView->EnableHistory(false);
    NameForScreenReaders(m_webView, StringText(IDS_PREVIEW_PAGE_NAME));
    m_webView->Bind(wxEVT_WEBVIEW_NAVIGATING, &PreviewFrame::OnNavigating, this);
    m_webView->Bind(wxEVT_WEBVIEW_NEWWINDOW, &PreviewFrame::OnNewWindow, this);
    m_webView->Bind(wxEVT_WEBVIEW_LOADED, &PreviewFrame::OnLoaded, this);
    m_webView->Bind(wxEVT_WEBVIEW_ERROR, &PreviewFrame::OnError, this);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_webView, 1, wxEXPAND);
    SetSizer(sizer);
    Layout();
    return true;
}

void PreviewFrame::ShowBeside(wxWindow& owner) {
    if (!m_placed) {
        // Right of the main window where the screen has room, else left of it.
        m_placed = true;
        wxRect area = wxDisplay(wxDisplay::GetFromWindow(&owner) == wxNOT_FOUND
                                    ? 0u
                                    : static_cast<unsigned>(wxDisplay::GetFromWindow(&owner)))
                          .GetClientArea();
        wxRect main = owner.GetScreenRect();
        wxSize size = GetSize();
        int gap = FromDIP(8);
        int x = main.GetRight() + gap;
        if (x + size.x > area.GetRight()) x = std::max(area.x, main.x - gap - size.x);
        int y = std::max(area.y, std::min(main.y, area.GetBottom() - size.y));
        Move(x, y);
    }
    if (IsShown()) {
        Raise();
        return;
    }
    // The author goes on typing in the main window.
    ShowWithoutActivating();
    m_timer.Start(static_cast<int>(PreviewPacer::kTick.count()));
    wxTimerEvent now(m_timer);
    OnTimer(now);
}

void PreviewFrame::OnTimer(wxTimerEvent&) {
    if (m_inTick) return;
    if (m_loading && Clock::now() - m_loadStarted < kLoadGivenUpAfter) return;
    m_loading = m_blankLoading = false;
    if (auto due = m_pacer.Tick(m_content(), Clock::now())) Load(*due);
}

void PreviewFrame::Load(const PreviewContent& content) {
    m_inTick = true;
    m_loadStarted = Clock::now();
    // The state of the menu on the page shown now, to open it again on the
    // new page where it was.
    wxString state;
    if (m_pagesShown == 0 || !m_webView->RunScript("menularkPreview.state()", &state)) state.clear();
    m_reopen = state;
    m_ownLoad = m_loading = true;
    m_webView->SetPage(FromCoreText(BuildPreviewPage(content)), m_baseUrl);
    m_inTick = false;
}

void PreviewFrame::OnNavigating(wxWebViewEvent& event) {
    if (m_ownLoad) {  // the page itself
        m_ownLoad = false;
        return;
    }
    // A link: the preview stays; the status line names where it leads.
    event.Veto();
    SetStatusText(FromCoreText(PreviewLinkNote(ToCoreText(event.GetURL()))));
}

void PreviewFrame::OnNewWindow(wxWebViewEvent& event) {
    SetStatusText(FromCoreText(PreviewLinkNote(ToCoreText(event.GetURL()))));
}

void PreviewFrame::OnLoaded(wxWebViewEvent&) {
    if (!m_loading) return;
    bool blank = m_blankLoading;
    LoadEnded();
    if (blank) return;
    if (!m_reopen.empty()) {
        m_inTick = true;
        m_webView->RunScript("menularkPreview.reopen(" + m_reopen + ")");
        m_inTick = false;
    }
    m_lastUpdateTime = Clock::now() - m_loadStarted;
    ++m_pagesShown;
}

void PreviewFrame::OnError(wxWebViewEvent&) {
    // Only the blank page can fail; a page from memory ends as loaded.
    if (m_blankLoading) LoadEnded();
}

void PreviewFrame::LoadEnded() {
    m_loading = m_blankLoading = m_ownLoad = false;
}

void PreviewFrame::OnClose(wxCloseEvent& event) {
    if (!event.CanVeto()) {
        event.Skip();
        return;
    }
    // Hidden, not destroyed: opening it again is quick. It stops following.
    m_timer.Stop();
    m_pacer.Reset();
    Hide();
    if (GetParent()->IsShown()) GetParent()->Raise();  // the keys go back to the main window
}

PreviewWindow::PreviewWindow(wxWindow& owner, Desktop& desktop, std::function<PreviewContent()> content,
                             std::string pageFolder)
    : m_owner(owner),
      m_desktop(desktop),
      m_content(std::move(content)),
      m_pageFolder(std::move(pageFolder)) {}

void PreviewWindow::Open() {
    if (!m_frame) {
        const char* backend = PreviewBackend();
        auto* frame = backend ? new PreviewFrame(&m_owner, m_content, PageUrl(m_pageFolder)) : nullptr;
        if (!frame || !frame->StartWebView(backend)) {
            if (frame) frame->Destroy();
            m_desktop.ShowMessage(std::string(StringTableText(IDS_PREVIEW_NO_ENGINE)));
            return;
        }
        m_frame = frame;
    }
    m_frame->ShowBeside(m_owner);
}

}  // namespace menulark
