#pragma once

#include <wx/icon.h>

namespace menulark {

/// The application icon (IDI_APP_ICON): 32 by 32, sixteen colours.
wxIcon AppIcon();

}  // namespace menulark
