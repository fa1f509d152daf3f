#pragma once

class wxTextCtrl;

namespace menulark {

/// Makes GTK's controls compact enough for the fixed dialog-unit layout
/// (no-op on other toolkits). Call once at start-up.
void ApplyCompactControlStyle();

/// Window style of a single-line box for texts of any length. GTK's
/// single-line entry holds at most 65,535 characters and cuts the rest
/// silently, so on GTK the box is a one-line text view instead.
long LongEditStyle();

/// Completes a box created with LongEditStyle(): no scroll bars, the view
/// follows the cursor as a single-line box does, and a line break that comes
/// in (paste, drop) becomes a blank before the box takes it.
void FinishLongEdit(wxTextCtrl* edit);

}  // namespace menulark
