#include "windows/main/StatusPanels.h"

#include "platform/Clock.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>

namespace {
struct PanelDesign {
    const char* key;
    const char* text;
    const char* toolTip;
};

constexpr PanelDesign Designs[StatusPanels::Count] = {
    {"Data File", "Data File", "File name where the digitized data is being saved"},
    {"Picture File", "Picture File", "File name of the picture being digitized"},
    {"X value", "X value", "X-axis value"},
    {"Y value", "Y value", "Y-axis value"},
    {"", "", "Current Date"},
    {"", "", "Current Time"},
    {"", "", ""},
};
} // namespace

StatusPanels::StatusPanels(QStatusBar& bar, Clock& clock) : QObject(&bar), m_clock(clock) {
    for (int i = 0; i < Count; ++i) {
        auto* label = new QLabel(QString::fromLatin1(Designs[i].text), &bar);
        label->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(i + 1));
        label->setProperty("panelKey", QString::fromLatin1(Designs[i].key));
        label->setToolTip(QString::fromLatin1(Designs[i].toolTip));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(i < 4 ? 150 : 80);
        label->setTextFormat(Qt::PlainText);
        // The last panel takes the room that is left.
        bar.addWidget(label, i == Count - 1 ? 1 : 0);
        m_panels.push_back(label);
    }
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &StatusPanels::Tick);
    Tick();
}

QLabel& StatusPanels::Panel(int panel) const {
    Q_ASSERT(panel >= 1 && panel <= Count);
    return *m_panels[static_cast<size_t>(panel - 1)];
}

QString StatusPanels::Text(int panel) const {
    return Panel(panel).text();
}

void StatusPanels::SetText(int panel, const QString& text) {
    Panel(panel).setText(text);
}

QString StatusPanels::ToolTip(int panel) const {
    return Panel(panel).toolTip();
}

void StatusPanels::Tick() {
    const QDateTime now = m_clock.Now();
    const QLocale locale;
    Panel(DatePanel).setText(locale.toString(now.date(), QLocale::ShortFormat));
    Panel(TimePanel).setText(locale.toString(now.time(), QLocale::ShortFormat));
    // The next tick when the shown time changes: the next second where the time shows seconds,
    // else the next minute; an idle program wakes as seldom as it can.
    const bool seconds = locale.timeFormat(QLocale::ShortFormat).contains(QLatin1Char('s'));
    const int intoUnit =
        seconds ? now.time().msec() : now.time().second() * 1000 + now.time().msec();
    m_timer->start((seconds ? 1000 : 60000) - intoUnit);
}
