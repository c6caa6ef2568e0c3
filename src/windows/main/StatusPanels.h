#pragma once

#include <QObject>
#include <QString>

#include <vector>

class Clock;
class QLabel;
class QStatusBar;
class QTimer;

// The seven panels of the main window's status bar, numbered 1 to 7 from the left: data file,
// picture file, X value, Y value, date, time and the tooltip of the toolbar button under the
// mouse. The date and time panels keep themselves current.
class StatusPanels : public QObject {
    Q_OBJECT
public:
    static constexpr int Count = 7;
    static constexpr int DatePanel = 5;
    static constexpr int TimePanel = 6;

    StatusPanels(QStatusBar& bar, Clock& clock);

    QString Text(int panel) const;
    void SetText(int panel, const QString& text);
    QString ToolTip(int panel) const;
    // Rewrites the date and time panels from the clock.
    void Tick();

private:
    QLabel& Panel(int panel) const;

    Clock& m_clock;
    std::vector<QLabel*> m_panels;
    QTimer* m_timer = nullptr;
};
