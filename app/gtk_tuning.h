#pragma once

namespace menulark {

/// Makes GTK's controls compact enough for the fixed dialog-unit layout
/// (no-op on other toolkits). Call once at start-up.
void ApplyCompactControlStyle();

}  // namespace menulark
