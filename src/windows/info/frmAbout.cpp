#include "windows/info/frmAbout.h"

#include "core/ProgramInfo.h"
#include "core/ShownText.h"
#include "platform/Prompts.h"
#include "platform/ScannerService.h"
#include "platform/Shell.h"
#include "session/Session.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

QString GetMsInfoPath() {
    for (const char* program :
         {"hardinfo", "gnome-system-monitor", "kinfocenter", "xfce4-taskmanager"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty()) {
            return path;
        }
    }
    return {};
}

frmAbout::frmAbout(const Desktop& desktop, QWidget* parent) : QDialog(parent), m_desktop(desktop) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Kurvex 2013"));
    const auto label = [this](const char* name, const QString& text) {
        auto* created = new QLabel(text, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setWordWrap(true);
        return created;
    };
    m_picIcon = label("picIcon", {});
    m_picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    m_picIcon->setAlignment(Qt::AlignTop);
    m_picIcon->installEventFilter(this);
    QLabel* title = label("lblTitle", ProgramInfo::Title);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    QLabel* version = label("lblVersion", VersionText());
    QLabel* description = label("lblDescription", ShownText(DescriptionText()));
    // Without a scanner library the line keeps its design text.
    QLabel* scanner = label("lblScanVersion", QStringLiteral("SANE v."));
    if (const int version = m_desktop.scanner.EasyVersion(); version > 0) {
        scanner->setText(ScannerVersionText(version));
    }
    QLabel* invitation =
        label("Label1",
              QStringLiteral("If you have any comments, please click here to send me an e-mail:"));
    m_myUrl = label("MyUrl", ProgramInfo::MailAddress);
    QPalette link = m_myUrl->palette();
    link.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_myUrl->setPalette(link);
    QFont underlined = m_myUrl->font();
    underlined.setUnderline(true);
    m_myUrl->setFont(underlined);
    m_myUrl->setCursor(Qt::BusyCursor);
    m_myUrl->installEventFilter(this);
    QLabel* disclaimer = label("lblDisclaimer", ProgramInfo::Warning);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* sysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(sysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_picIcon, 0, 0, 4, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(description, 2, 1);
    grid->addWidget(scanner, 3, 1);
    grid->addWidget(invitation, 4, 1);
    grid->addWidget(m_myUrl, 5, 1);
    grid->addWidget(disclaimer, 6, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch();
    grid->addLayout(buttons, 0, 2, 6, 1);
    setFixedWidth(560);

    m_sysInfoPath = GetMsInfoPath();
}

void frmAbout::cmdSysInfo_Click() {
    if (m_sysInfoPath.isEmpty() || !QProcess::startDetached(m_sysInfoPath, {})) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("No system information program was found on this computer."),
            windowTitle(), MessageIcon::Information, MessageButtons::Ok);
    }
}

void frmAbout::MyUrl_Click() {
    m_desktop.shell.Open(QStringLiteral("MailTo:") + m_myUrl->text().trimmed(), {}, {}, {});
}

void frmAbout::picIcon_Click() {
    m_desktop.prompts.ShowMessage(
        QStringLiteral("Do something for free for somebody else... at least give free smiles!"),
        QStringLiteral("Oops"), MessageIcon::Information, MessageButtons::Ok);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_myUrl) {
            MyUrl_Click();
            return true;
        }
        if (watched == m_picIcon) {
            picIcon_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
