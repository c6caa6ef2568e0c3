#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

#include <cstdint>

class QProgressBar;
class QWidget;

// A command that works on the user-interface thread for a long time (auto-read, interpolation,
// rotation, printing). While one exists it lets the windows repaint now and then, keeps the
// user's other commands out (mouse buttons, keys, drops and closing windows are held back, so
// nothing can change the picture or the table under the command), and takes Escape as the
// user's wish to stop. With a progress bar, the bar is shown and filled; the widget is touched
// only when the shown percentage changes, as every touch costs a repaint.
class LongCommand final : public QObject {
public:
    // bar may be null (no progress shown); maximum is the number of steps of the whole command.
    explicit LongCommand(QProgressBar* bar = nullptr, std::int64_t maximum = 0);
    ~LongCommand() override;
    LongCommand(const LongCommand&) = delete;
    LongCommand& operator=(const LongCommand&) = delete;

    // Records that (done) steps are finished, lets pending events run about every 50 ms and
    // tells whether the user pressed Escape. Cheap enough to call once per pixel.
    bool Advance(std::int64_t done);
    // The same without progress.
    bool StopRequested() { return Advance(m_done); }

    // The same, looking at the clock at every call: for loops whose every pass is slow.
    bool StopRequestedNow() {
        m_callsUntilClockCheck = 0;
        return Advance(m_done);
    }

    bool Stopped() const { return m_stopped; }

    // Input for this window (a progress box with its Cancel button) goes through.
    void LetThrough(QWidget* window) { m_letThrough = window; }

    // Whether some long command is running now, for commands that must not start meanwhile.
    static bool IsRunning();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowProgress();
    bool IsLetThrough(QObject* watched) const;

    QPointer<QProgressBar> m_bar;
    QPointer<QWidget> m_letThrough;
    std::int64_t m_maximum = 0;
    std::int64_t m_done = 0;
    int m_shownPermille = -1;
    int m_callsUntilClockCheck = 0;
    QElapsedTimer m_sinceEvents;
    bool m_stopped = false;
    bool m_eventsRunOnce = false;
};
