#pragma once

#include <wx/icon.h>

namespace menulark {

/// The application icon (resource 130): 32 by 32, sixteen colours.
wxIcon AppIcon();

}  // namespace menulark
