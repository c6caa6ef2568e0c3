#pragma once

#include "platform/Desktop.h"
#include <QImage>
#include <QWidget>

class MainFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class Session;

// Screen capture "Kurvex - Screen Capture": a small instruction window; after OK and a
// countdown the whole screen is frozen into a full-screen window on which the user drags out
// the rectangle that becomes the new picture (through the clipboard and Paste).
class frmCaptureNew : public QWidget {
    Q_OBJECT
public:
    frmCaptureNew(Session& session, const Desktop& desktop, MainFrame& main,
                  QWidget* parent = nullptr);
    ~frmCaptureNew() override;

    static constexpr int CountdownSeconds = 5;

    void btnCaptureOK_Click();
    void btnCaptureCancel_Click();
    // button: 1 left, 2 right; positions in window pixels.
    void Form_MouseDown(int button, QPointF position);
    void Form_MouseMove(QPointF position);
    void CaptureArea(double x1, double x2, double y1, double y2);

    bool Selecting() const { return m_selecting; }
    const QImage& Frozen() const { return m_frozen; }
    QString InstructionText() const;
    // The size read-out as it would be drawn now, or empty when it does not fit.
    QString Readout() const { return m_readout; }
    bool ReadoutBlack() const { return m_readoutBlack; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Session& m_session;
    Desktop m_desktop;
    MainFrame& m_main;
    QGroupBox* m_frame = nullptr;
    QLabel* m_label = nullptr;
    QImage m_frozen;
    bool m_selecting = false;
    QPointF m_anchor;
    QPointF m_current;
    QString m_readout;
    bool m_readoutBlack = true;
    Qt::WindowStates m_savedMainState;
};
