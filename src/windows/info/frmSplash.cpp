#include "windows/info/frmSplash.h"

#include "core/ProgramInfo.h"
#include "platform/Clock.h"
#include "session/Session.h"
#include "windows/shared/WindowGeometry.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {
constexpr qint64 ShownForMilliseconds = 3000;
}

frmSplash::frmSplash(Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_clock(clock) {
    setObjectName(QStringLiteral("frmSplash"));
    // A calm backdrop of its own, with the program's colours.
    setAutoFillBackground(true);
    QPalette colors = palette();
    QLinearGradient backdrop(0, 0, 0, 260);
    backdrop.setColorAt(0, QColor(232, 240, 252));
    backdrop.setColorAt(1, QColor(196, 214, 240));
    colors.setBrush(QPalette::Window, backdrop);
    setPalette(colors);

    const auto label = [this](const char* name, const QString& text) {
        auto* created = new QLabel(text, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setWordWrap(true);
        return created;
    };
    QLabel* product = label("lblProductName", ProgramInfo::Title);
    QFont big = product->font();
    big.setPointSize(28);
    big.setBold(true);
    product->setFont(big);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label("lblCompanyProduct", ProgramInfo::Company), 0, 0);
    grid->addWidget(product, 1, 0);
    grid->addWidget(label("Label1", QStringLiteral("Numbers from pictures of graphs")), 2, 0);
    grid->addWidget(label("lblPlatform", QStringLiteral("For Windows")), 0, 1, Qt::AlignRight);
    grid->addWidget(label("lblVersion", VersionText()), 1, 1, Qt::AlignRight);
    grid->addWidget(label("lblCopyright", ProgramInfo::LegalNotice), 3, 0);
    grid->addWidget(label("lblCompany", ProgramInfo::Company), 3, 1, Qt::AlignRight);
    m_dateLine = label("lblDate", {});
    grid->addWidget(m_dateLine, 4, 0, 1, 2);
    QLabel* warning = label("lblWarning", ProgramInfo::Warning);
    QFont small = warning->font();
    small.setPointSize(7);
    warning->setFont(small);
    grid->addWidget(warning, 5, 0, 1, 2);
    setFixedSize(480, 260);
}

void frmSplash::ShowNow() {
    m_shownAt = m_clock.Now();
    m_dateLine->setText(SplashDateLine(m_shownAt, QLocale()));
    move(ScreenGeometry().center() - rect().center());
    show();
    repaint();
}

void frmSplash::WaitAndClose() {
    if (m_shownAt.isValid()) {
        const qint64 shownFor = m_shownAt.msecsTo(m_clock.Now());
        if (shownFor < ShownForMilliseconds) {
            m_clock.Wait(static_cast<int>(ShownForMilliseconds - shownFor));
        }
    }
    close();
}

QString frmSplash::DateLine() const {
    return m_dateLine->text();
}
