#pragma once

#include <QDateTime>
#include <QWidget>

class Clock;
class QLabel;

// The frameless window shown while the program starts.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash(Clock& clock, QWidget* parent = nullptr);

    // Shows the window at once and notes when, so that closing can keep it up for its time.
    void ShowNow();
    // Waits until the window has been up for three seconds, then closes it.
    void WaitAndClose();

    QString DateLine() const;

private:
    Clock& m_clock;
    QDateTime m_shownAt;
    QLabel* m_dateLine = nullptr;
};
