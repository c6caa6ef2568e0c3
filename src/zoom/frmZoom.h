#pragma once

#include <QImage>
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QSlider;
class QTimer;
class ZoomView;

// The magnifier "Zoom": shows the screen around the pointer, enlarged, while the pointer is
// over the picture. A grid marks the enlarged screen pixels and a cross-hair the centre; the
// enlargement is chosen with the slider or typed as a percentage.
class frmZoom : public QWidget {
    Q_OBJECT
public:
    explicit frmZoom(QWidget* parent = nullptr);

    // One tick of the 50 ms timer: follows the pointer. While the pointer rests, the screen is
    // copied again when the picture was repainted, and otherwise once a second, for changes of
    // other programs' windows: an idle program costs next to nothing.
    void tmrZoom_Timer();
    static constexpr int RestingRefreshMs = 1000;
    // Something on the screen changed (the picture was repainted).
    void ScreenMayHaveChanged() { m_idleTime = RestingRefreshMs; }
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
    void SetLineColor(int packedColor);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QCheckBox* m_chkGrid = nullptr;
    QSlider* m_hsbZoom = nullptr;
    QLineEdit* m_txtZoom = nullptr;
    ZoomView* m_picZoom = nullptr;
    QTimer* m_tmrZoom = nullptr;
    float m_zoomFactor = 7.5f;
    QPoint m_lastCursor{-100, -100};
    int m_idleTime = 0;
    // While Enter brings the focus back to the percentage box, the box keeps its "%".
    bool m_returningFocus = false;
};
