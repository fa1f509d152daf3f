#include "style/web_browser.h"

#include <wx/dcclient.h>
#include <wx/filesys.h>
#include <wx/log.h>
#include <wx/sizer.h>
#include <wx/webview.h>

namespace menulark {

wxBEGIN_EVENT_TABLE(CWebBrowser2, wxPanel)
    EVT_PAINT(CWebBrowser2::OnPaint)
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
    m_webView->EnableContextMenu(false);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(m_webView, 1, wxEXPAND);
    SetSizer(sizer);
    Layout();
    return true;
}

void CWebBrowser2::Navigate(const std::string& path) {
    m_lastPath = path;
    m_lastPage.clear();
    if (!EnsureWebView()) return;
    // The web engine wants a URL; the program deals in plain paths.
    m_webView->LoadURL(wxFileSystem::FileNameToURL(wxFileName(wxString::FromUTF8(path.c_str()))));
}

void CWebBrowser2::ShowPage(const std::string& html) {
    m_lastPage = html;
    m_lastPath.clear();
    if (!EnsureWebView()) return;
    m_webView->SetPage(wxString::FromUTF8(html.c_str()), wxString());
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
