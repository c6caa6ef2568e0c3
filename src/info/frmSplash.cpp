#include "info/frmSplash.h"

#include "core/AppState.h"
#include "platform/Clock.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr qint64 ShownForMilliseconds = 3000;
}

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Kurvex 2016"), this);
    QFont font = title->font();
    font.setPointSize(28);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    setFixedSize(420, 200);
}

void frmSplash::ShowNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    show();
    repaint();
    m_shownAt = App().clock().Now();
}

void frmSplash::WaitAndClose() {
    if (m_shownAt.isValid()) {
        const qint64 shownFor = m_shownAt.msecsTo(App().clock().Now());
        if (shownFor < ShownForMilliseconds) {
            App().clock().Wait(static_cast<int>(ShownForMilliseconds - shownFor));
        }
    }
    close();
}
