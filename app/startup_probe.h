#pragma once

class wxDialog;

namespace menulark {

/// For start-up measurements: once `dialog` runs modally, is shown and idle,
/// prints "shown-and-idle <ns>" (system-wide monotonic clock) and closes it.
void CloseWhenShownAndIdle(wxDialog& dialog);

}  // namespace menulark
