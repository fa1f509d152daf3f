#include "style/web_browser.h"

#include <wx/dcclient.h>
#include <wx/filesys.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/webview.h>

#include "style/file_url.h"

namespace menulark {

wxBEGIN_EVENT_TABLE(CWebBrowser2, wxPanel)
    EVT_PAINT(CWebBrowser2::OnPaint)
    EVT_WEBVIEW_LOADED(wxID_ANY, CWebBrowser2::OnLoadEnded)
    EVT_WEBVIEW_ERROR(wxID_ANY, CWebBrowser2::OnLoadEnded)
wxEND_EVENT_TABLE()

CWebBrowser2::CWebBrowser2(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxPanel(parent, id, pos, size, wxTAB_TRAVERSAL | wxBORDER_NONE) {}

bool CWebBrowser2::EnsureWebView() {
    if (m_webView) return true;
    if (!m_webViewAvailable) return false;
#if wxUSE_WEBVIEW
    if (wxWebView::IsBackendAvailable(wxWebViewBackendDefault)) {
        // Some back ends (Internet Explorer's) hand back a view even when no
        // browser control could be made, after logging an error that would
        // pop up a box; the box is held back and the view is trusted only
        // with a real control behind it.
        wxLogNull quiet;
        m_webView = wxWebView::New(this, wxID_ANY, wxWebViewDefaultURLStr, wxPoint(0, 0), GetClientSize(),
                                   wxWebViewBackendDefault, wxBORDER_NONE);
        if (m_webView && !m_webView->GetNativeBackend()) {
            m_webView->Destroy();
            m_webView = nullptr;
        }
    }
#endif
    if (!m_webView) {
        m_webViewAvailable = false;
        return false;
    }
    // The view starts with the blank page loading.
    m_loading = m_blankLoading = true;
    m_webView->EnableContextMenu(false);
    m_webView->DisableFocusFromKeyboard();  // a preview, not a place to type
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_webView, 1, wxEXPAND);
    SetSizer(sizer);
    Layout();
    return true;
}

void CWebBrowser2::Prepare() {
    EnsureWebView();
}

void CWebBrowser2::Navigate(const std::string& path) {
    m_lastPath = path;
    m_lastPage.clear();
    if (!EnsureWebView()) return;
    Load(path, std::string());
}

void CWebBrowser2::ShowPage(const std::string& html) {
    m_lastPage = html;
    m_lastPath.clear();
    if (!EnsureWebView()) return;
    Load(std::string(), html);
}

void CWebBrowser2::Load(const std::string& path, const std::string& html) {
    // A load now would cancel the blank page half-way; the newest request
    // waits for it instead and goes in once (see OnLoadEnded).
    if (m_blankLoading) {
        m_waiting = true;
        return;
    }
    m_waiting = false;
    m_loading = true;
    ++m_pagesLoaded;
    if (!path.empty()) {
        // The web engine wants a URL; the program deals in plain paths.
#ifdef __WXMSW__
        m_webView->LoadURL(wxFileSystem::FileNameToURL(wxFileName(wxString(path.c_str(), wxConvLibc))));
#else
        m_webView->LoadURL(FileUrlOf(path));  // ASCII only
#endif
    } else {
        m_webView->SetPage(wxString::FromUTF8(html.c_str()), wxString());
    }
}

void CWebBrowser2::OnLoadEnded(wxWebViewEvent&) {
    m_loading = false;
    if (!m_blankLoading) return;
    m_blankLoading = false;
    if (m_waiting) Load(m_lastPath, m_lastPage);
}

void CWebBrowser2::ShowFallbackColor(const wxColour& colour) {
    m_fallback = colour;
    if (!m_webView) Refresh();
}

void CWebBrowser2::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_webView || !m_fallback.IsOk()) return;
    dc.SetBrush(wxBrush(m_fallback));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(GetClientRect());
}

}  // namespace menulark
