#include "app/app_icon.h"

#include "resources/menulark_icon.xpm"

namespace menulark {

wxIcon AppIcon() {
    return wxIcon(menulark_icon_xpm);
}

}  // namespace menulark
