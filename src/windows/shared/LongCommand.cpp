#include "windows/shared/LongCommand.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QShortcutEvent>
#include <QWidget>
#include <QWindow>

namespace {

int g_running = 0;

constexpr int EventIntervalMs = 50;
// The clock is read once in so many calls, so that a call per pixel stays cheap.
constexpr int CallsPerClockCheck = 1024;
constexpr int BarSteps = 1000;

bool IsUserCommand(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

bool IsEscape(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    case QEvent::Shortcut:
        return static_cast<const QShortcutEvent*>(event)->key() == QKeySequence(Qt::Key_Escape);
    default:
        return false;
    }
}

} // namespace

LongCommand::LongCommand(QProgressBar* bar, std::int64_t maximum) : m_bar(bar), m_maximum(maximum) {
    ++g_running;
    QCoreApplication::instance()->installEventFilter(this);
    if (m_bar) {
        // The bar counts in thousandths, so that any number of steps fits its range.
        m_bar->setRange(0, BarSteps);
        m_bar->setValue(0);
        m_bar->show();
        m_shownPermille = 0;
    }
    m_sinceEvents.start();
}

LongCommand::~LongCommand() {
    QCoreApplication::instance()->removeEventFilter(this);
    --g_running;
    if (m_bar) {
        m_bar->hide();
    }
}

bool LongCommand::IsRunning() {
    return g_running > 0;
}

bool LongCommand::Advance(std::int64_t done) {
    m_done = done;
    if (m_bar && m_maximum > 0) {
        ShowProgress();
    }
    if (--m_callsUntilClockCheck > 0) {
        return m_stopped;
    }
    m_callsUntilClockCheck = CallsPerClockCheck;
    // The first call lets events run at once, so that a key pressed just before the command
    // began counts.
    if (!m_eventsRunOnce || m_sinceEvents.elapsed() >= EventIntervalMs) {
        m_eventsRunOnce = true;
        QCoreApplication::processEvents();
        m_sinceEvents.restart();
    }
    return m_stopped;
}

void LongCommand::ShowProgress() {
    const std::int64_t clamped = std::min(m_done, m_maximum);
    const int permille = static_cast<int>(clamped * BarSteps / m_maximum);
    if (permille != m_shownPermille) {
        m_shownPermille = permille;
        m_bar->setValue(permille);
    }
}

bool LongCommand::IsLetThrough(QObject* watched) const {
    if (!m_letThrough) {
        return false;
    }
    if (const auto* widget = qobject_cast<QWidget*>(watched)) {
        return widget->window() == m_letThrough->window();
    }
    const auto* window = qobject_cast<QWindow*>(watched);
    return window != nullptr && window == m_letThrough->window()->windowHandle();
}

bool LongCommand::eventFilter(QObject* watched, QEvent* event) {
    // Escape stops the command wherever it is pressed, in its progress box too, and also where
    // a window's Escape command would take the key as a shortcut.
    if (IsEscape(event)) {
        m_stopped = true;
    }
    if (!IsUserCommand(event->type()) || IsLetThrough(watched)) {
        return QObject::eventFilter(watched, event);
    }
    // Closing a window waits for the command; a spontaneous close (the window manager) is
    // refused, the program's own closing never happens while the command runs.
    if (event->type() == QEvent::Close) {
        event->ignore();
    }
    return true;
}
