#pragma once
// Creates a window's controls from its layout table.

#include <wx/font.h>
#include <wx/icon.h>
#include <wx/window.h>

#include <map>

#include "app/window_geometry.h"
#include "resources/dialog_layout.h"

namespace menulark {

/// Creates every control of `layout` on `parent`, in table order (which is
/// the tab order), at its rectangle converted with `scale`. Returns the
/// controls that have an ID. Drop-down lists and pick lists are created
/// empty; the window fills them.
std::map<int, wxWindow*> CreateControls(wxWindow* parent, const DialogLayout& layout,
                                        const DialogUnitScale& scale, const wxFont& font, const wxIcon& icon);

/// The font of the fixed layout: small enough for every label to fit.
wxFont LayoutFont();

/// The client size of `layout` in pixels.
wxSize LayoutClientSize(const DialogLayout& layout, const DialogUnitScale& scale);

}  // namespace menulark
