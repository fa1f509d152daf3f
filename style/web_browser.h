#pragma once
// The colour swatch pane: a small web view that shows one page at a time.

#include <wx/colour.h>
#include <wx/panel.h>

#include <string>

class wxWebView;

namespace menulark {

/// Wraps the platform's web view behind one operation, Navigate(path). The
/// web view is created on the first navigation, so the window's first paint
/// never waits for the browser engine. Where no web view can be had, the
/// pane fills itself with the last colour given to ShowFallbackColor.
class CWebBrowser2 : public wxPanel {
public:
    CWebBrowser2(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    /// Shows the file at `path` (a plain file-system path).
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
    /// The colour the plain area paints.
    const wxColour& FallbackColor() const { return m_fallback; }
    /// False when the web view could not be created; the pane paints colours.
    bool WebViewAvailable() const { return m_webViewAvailable; }

    /// Turns the web view off for this pane, as if none were installed.
    void DisableWebView() { m_webViewAvailable = false; }

private:
    bool EnsureWebView();
    void OnPaint(wxPaintEvent& event);

    wxWebView* m_webView = nullptr;
    bool m_webViewAvailable = true;
    wxColour m_fallback;
    std::string m_lastPath;
    std::string m_lastPage;

    wxDECLARE_EVENT_TABLE();
};

}  // namespace menulark
