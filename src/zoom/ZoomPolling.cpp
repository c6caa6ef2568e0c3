#include "zoom/ZoomPolling.h"

bool ZoomPolling::Look(QPoint cursor) {
    const int interval = IntervalMs();
    m_sinceRefreshMs += interval;
    bool refresh = false;
    if (cursor != m_lastCursor) {
        Moved();
        refresh = true;
    } else {
        m_restedMs += interval;
        m_resting = m_restedMs >= RestAfterMs;
        refresh = m_sinceRefreshMs >= RestingRefreshMs;
    }
    if (refresh) {
        m_sinceRefreshMs = 0;
    }
    m_lastCursor = cursor;
    return refresh;
}
