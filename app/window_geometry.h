#pragma once
// Geometry of the fixed layout: dialog units to pixels, and the collapse.

#include <cmath>

#include "resources/dialog_layout.h"

namespace menulark {

/// Pixels per dialog unit of the layout's font at 96 dpi, times the
/// display's content scale on high-DPI screens.
struct DialogUnitScale {
    double contentScale = 1.0;

    int X(int units) const { return static_cast<int>(std::lround(units * 1.5 * contentScale)); }
    int Y(int units) const { return static_cast<int>(std::lround(units * 13.0 / 8.0 * contentScale)); }
};

struct PixelRect {
    int x, y, w, h;
};

inline PixelRect ToPixels(const ControlSpec& c, const DialogUnitScale& s) {
    // Convert the edges, not the sizes, so that neighbours meet exactly.
    return {s.X(c.x), s.Y(c.y), s.X(c.x + c.w) - s.X(c.x), s.Y(c.y + c.h) - s.Y(c.y)};
}

/// Pixels by which the collapsed window of `layout` is shorter than the full one.
inline int CollapseHeight(const DialogLayout& layout, const DialogUnitScale& s) {
    return static_cast<int>(std::lround(layout.collapsePixels * s.contentScale));
}

/// Window height for the style panel shown or hidden, from the full height
/// measured when the window opened.
inline int WindowHeightFor(const DialogLayout& layout, bool panelShown, int fullHeight,
                           const DialogUnitScale& s) {
    return panelShown ? fullHeight : fullHeight - CollapseHeight(layout, s);
}

}  // namespace menulark
