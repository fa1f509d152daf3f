#pragma once
// Files dropped on the window open as menu files.

#include <wx/dnd.h>

#include <functional>
#include <string>

namespace menulark {

class MenuFileDropTarget : public wxFileDropTarget {
public:
    /// `open` gets the dropped file's path (its own bytes).
    explicit MenuFileDropTarget(std::function<bool(const std::string&)> open) : m_open(std::move(open)) {}

    /// Opens the first dropped file (a menu is one file); true when it opened.
    bool OnDropFiles(wxCoord x, wxCoord y, const wxArrayString& files) override;

private:
    std::function<bool(const std::string&)> m_open;
};

}  // namespace menulark
