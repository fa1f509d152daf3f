#pragma once
// The live preview: a window beside the main window that shows the modern
// page of the menu as it is being made, in a web view, and follows every
// change. Nothing is written: the page goes to the web view from memory.
// The web view, and with it the web engine's process, is made only when the
// preview first opens.

#include <wx/frame.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <chrono>
#include <functional>
#include <string>

#include "app/preview_pacer.h"
#include "page/preview_page.h"

class wxWebView;
class wxWebViewEvent;

namespace menulark {

class Desktop;

/// The preview window's name, for wxWindow::FindWindowByName.
inline constexpr const char* kPreviewWindowName = "menulark-preview";

class PreviewFrame : public wxFrame {
public:
    /// `content` gives what the main window shows; `baseUrl` is the written
    /// page's address, so that relative links lead where they would from it.
    PreviewFrame(wxWindow* owner, std::function<PreviewContent()> content, wxString baseUrl);

    /// Makes the web view with `backend`; false when none could be made.
    bool StartWebView(const char* backend);
    /// Shows the window (beside `owner` the first time), leaving the keys
    /// with the main window; brings it to the front when it is shown.
    void ShowBeside(wxWindow& owner);

    wxWebView* WebView() const { return m_webView; }
    /// How many pages the preview has shown, loaded in full.
    int PagesShown() const { return m_pagesShown; }
    /// True while a page is loading.
    bool IsLoading() const { return m_loading; }
    /// The last update: from handing the page over to loaded, menu reopened.
    std::chrono::steady_clock::duration LastUpdateTime() const { return m_lastUpdateTime; }

private:
    void OnTimer(wxTimerEvent& event);
    void Load(const PreviewContent& content);
    void OnNavigating(wxWebViewEvent& event);
    void OnNewWindow(wxWebViewEvent& event);
    void OnLoaded(wxWebViewEvent& event);
    void OnError(wxWebViewEvent& event);
    void OnClose(wxCloseEvent& event);
    void LoadEnded();

    std::function<PreviewContent()> m_content;
    wxString m_baseUrl;
    wxWebView* m_webView = nullptr;
    wxTimer m_timer;
    PreviewPacer m_pacer;
    bool m_placed = false;
    bool m_loading = false;       ///< a page (at first the blank one) is loading
    bool m_blankLoading = false;  ///< the web view's own blank page
    bool m_ownLoad = false;       ///< the next navigation is the page itself
    bool m_inTick = false;        ///< scripts run a nested event loop
    std::chrono::steady_clock::time_point m_loadStarted;
    wxString m_reopen;  ///< how to open the menu again once the page is loaded
    int m_pagesShown = 0;
    std::chrono::steady_clock::duration m_lastUpdateTime{};
};

/// The "&Preview" command: opens the preview, or brings it to the front.
class PreviewWindow {
public:
    /// `pageFolder` is where Create/Finish writes the page.
    PreviewWindow(wxWindow& owner, Desktop& desktop, std::function<PreviewContent()> content,
                  std::string pageFolder);

    /// Opens the preview; on a system without a web engine, says so instead
    /// and changes nothing.
    void Open();

private:
    wxWindow& m_owner;
    Desktop& m_desktop;
    std::function<PreviewContent()> m_content;
    std::string m_pageFolder;
    wxWeakRef<PreviewFrame> m_frame;
};

}  // namespace menulark
