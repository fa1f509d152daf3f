#pragma once
// When the live preview shows a change: not at every key press, but once
// the author pauses, and at the latest a fixed time after the first change
// not yet shown, so that steady typing shows as well. No wx: the window's
// timer calls Tick.

#include <chrono>
#include <optional>

#include "page/preview_page.h"

namespace menulark {

class PreviewPacer {
public:
    using Clock = std::chrono::steady_clock;
    /// How often the window looks at what it shows, how long a pause in the
    /// changes lasts before they show, and the longest a change waits. A
    /// change shows at most kTick + kPause + kTick after the last one.
    static constexpr std::chrono::milliseconds kTick{40};
    static constexpr std::chrono::milliseconds kPause{100};
    static constexpr std::chrono::milliseconds kLongest{200};

    /// Called every kTick with what the window shows at `now`; gives the
    /// content to show when its time has come: at once when nothing has
    /// been shown yet.
    std::optional<PreviewContent> Tick(PreviewContent content, Clock::time_point now);

    /// Nothing is shown any more (the preview was closed).
    void Reset() { m_shown.reset(); }

private:
    std::optional<PreviewContent> m_shown;
    PreviewContent m_lastSeen;
    Clock::time_point m_lastChange;
    Clock::time_point m_firstPending;
    bool m_pending = false;
};

}  // namespace menulark
