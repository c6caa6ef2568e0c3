#pragma once

#include "core/PackedColor.h"
#include "platform/Desktop.h"
#include "zoom/ZoomPolling.h"

#include <QImage>
#include <QWidget>

class MainFrame;
class QCheckBox;
class QLineEdit;
class QSlider;
class QTimer;
class Session;
class ZoomView;

// The magnifier "Zoom": shows the screen around the pointer, enlarged, while the pointer is
// over the picture. A grid marks the enlarged screen pixels and a cross-hair the centre; the
// enlargement is chosen with the slider or typed as a percentage.
class frmZoom : public QWidget {
    Q_OBJECT
public:
    frmZoom(Session& session, const Desktop& desktop, MainFrame& main, QWidget* parent = nullptr);

    // One tick of the timer: follows the pointer, as often as ZoomPolling says.
    void tmrZoom_Timer();
    // Something on the screen changed (the picture was repainted).
    void ScreenMayHaveChanged() { m_polling.ScreenMayHaveChanged(); }
    void RefreshZoom(QPoint cursor);
    void hsbZoom_Change();
    // Applies the typed percentage, limited to 25%..1000%.
    void txtZoom_LostFocus();
    void chkGrid_Click();
    void SetTimerEnabled(bool enabled);
    bool TimerEnabled() const;

    float ZoomFactor() const { return m_zoomFactor; }
    QSlider& hsbZoom() { return *m_hsbZoom; }
    QLineEdit& txtZoom() { return *m_txtZoom; }
    QCheckBox& chkGrid() { return *m_chkGrid; }
    const QImage& View() const;
    void SetLineColor(PackedColor color);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The timer follows m_polling's interval; while it looks seldom, a move of the pointer over
    // any window of the program brings it back at once.
    void FollowPollingInterval();

    // Tells the magnifier of moves of the pointer over the program's windows.
    class MoveWatcher : public QObject {
    public:
        explicit MoveWatcher(frmZoom& zoom) : QObject(&zoom), m_zoom(zoom) {}
        bool eventFilter(QObject* watched, QEvent* event) override;

    private:
        frmZoom& m_zoom;
    };

    Session& m_session;
    Desktop m_desktop;
    MainFrame& m_main;

    QCheckBox* m_chkGrid = nullptr;
    QSlider* m_hsbZoom = nullptr;
    QLineEdit* m_txtZoom = nullptr;
    ZoomView* m_picZoom = nullptr;
    QTimer* m_tmrZoom = nullptr;
    float m_zoomFactor = 7.5f;
    ZoomPolling m_polling;
    MoveWatcher* m_moveWatcher = nullptr;
    // While Enter brings the focus back to the percentage box, the box keeps its "%".
    bool m_returningFocus = false;
};
