#include "app/preview_pacer.h"

#include <utility>

namespace menulark {

std::optional<PreviewContent> PreviewPacer::Tick(PreviewContent content, Clock::time_point now) {
    if (!m_shown) {
        m_pending = false;
        m_lastSeen = content;
        m_shown = std::move(content);
        return m_shown;
    }
    if (content != m_lastSeen) {
        m_lastSeen = std::move(content);
        m_lastChange = now;
        if (!m_pending) m_firstPending = now;
        m_pending = true;
    }
    if (!m_pending) return std::nullopt;
    if (m_lastSeen == *m_shown) {  // changed back to what is shown
        m_pending = false;
        return std::nullopt;
    }
    if (now - m_lastChange < kPause && now - m_firstPending < kLongest) return std::nullopt;
    m_pending = false;
    m_shown = m_lastSeen;
    return m_shown;
}

}  // namespace menulark
