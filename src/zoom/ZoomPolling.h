#pragma once

#include <QPoint>

// How often the magnifier looks where the pointer is, and when it copies the screen again. It
// looks every 50 ms while the pointer moves; once the pointer has rested for half a second,
// only every 500 ms, so that a program left alone costs next to nothing, until a move is seen
// (or reported by the windows). While the pointer rests the screen is copied again when the
// picture was repainted and otherwise once a second, for changes of other programs' windows.
class ZoomPolling {
public:
    static constexpr int MovingIntervalMs = 50;
    static constexpr int RestingIntervalMs = 500;
    static constexpr int RestAfterMs = 500;
    static constexpr int RestingRefreshMs = 1000;

    // One look at the pointer, one interval after the last: whether to copy the screen again.
    bool Look(QPoint cursor);
    // The time until the next look.
    int IntervalMs() const { return m_resting ? RestingIntervalMs : MovingIntervalMs; }
    // The pointer moved over one of the program's windows: look often again.
    void Moved() {
        m_restedMs = 0;
        m_resting = false;
    }
    // Something on the screen changed (the picture was repainted): copy it at the next look.
    void ScreenMayHaveChanged() { m_sinceRefreshMs = RestingRefreshMs; }
    // Forgets the pointer's last place, so that the next look copies the screen.
    void Forget() { m_lastCursor = QPoint(-100, m_lastCursor.y()); }

private:
    QPoint m_lastCursor{-100, -100};
    int m_sinceRefreshMs = 0;
    int m_restedMs = 0;
    bool m_resting = false;
};
