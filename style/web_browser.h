#pragma once
// The colour swatch pane: a small web view that shows one page at a time.

#include <wx/colour.h>
#include <wx/panel.h>

#include <string>

class wxWebView;
class wxWebViewEvent;

namespace menulark {

/// Wraps the platform's web view behind one operation, Navigate(path). The
/// web view is created by Prepare() or else on the first navigation, never
/// at start-up, so the window's first paint never waits for the browser
/// engine. Where no web view can be had, the pane fills itself with the last
/// colour given to ShowFallbackColor.
class CWebBrowser2 : public wxPanel {
public:
    CWebBrowser2(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    /// Starts the web engine and loads a blank page, so that a later
    /// navigation need not wait for either. Does nothing when done before.
    void Prepare();

    /// Shows the file at `path` (a plain file-system path). While the blank
    /// page is still loading the newest request waits for it, then loads.
    void Navigate(const std::string& path);

    /// Shows `html` from memory (when its file could not be written).
    void ShowPage(const std::string& html);

    /// The colour to paint when no web view is available.
    void ShowFallbackColor(const wxColour& colour);

    /// True once a web view exists and takes the navigations.
    bool HasWebView() const { return m_webView != nullptr; }
    /// The last path handed to Navigate, and the last page shown from
    /// memory (for tests and diagnostics); each clears the other.
    const std::string& LastNavigation() const { return m_lastPath; }
    const std::string& LastPageText() const { return m_lastPage; }
    /// True while a page is loading or waiting for the blank page.
    bool IsLoading() const { return m_loading || m_waiting; }
    /// How many pages (files or texts) went to the web engine.
    int PagesLoaded() const { return m_pagesLoaded; }
    /// The colour the plain area paints.
    const wxColour& FallbackColor() const { return m_fallback; }
    /// False when the web view could not be created; the pane paints colours.
    bool WebViewAvailable() const { return m_webViewAvailable; }

    /// A preview: Tab passes it by.
    bool AcceptsFocus() const override { return false; }
    bool AcceptsFocusFromKeyboard() const override { return false; }
    bool AcceptsFocusRecursively() const override { return false; }

    /// Turns the web view off for this pane, as if none were installed.
    void DisableWebView() { m_webViewAvailable = false; }

private:
    bool EnsureWebView();
    void Load(const std::string& path, const std::string& html);
    void OnPaint(wxPaintEvent& event);
    void OnLoadEnded(wxWebViewEvent& event);

    wxWebView* m_webView = nullptr;
    bool m_webViewAvailable = true;
    wxColour m_fallback;
    std::string m_lastPath;
    std::string m_lastPage;
    bool m_loading = false;  ///< the engine has not finished the last load
    bool m_blankLoading = false;
    bool m_waiting = false;  ///< m_lastPath or m_lastPage waits for the blank page
    int m_pagesLoaded = 0;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace menulark
