#include "windows/info/frmTip.h"

#include "core/ShownText.h"

#include "windows/shared/WindowGeometry.h"

#include "layout/Twips.h"
#include "session/Session.h"
#include "windows/shared/MainFrame.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmTip::frmTip(MainFrame& main, QWidget& pictureWindow, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_main(main), m_pictureWindow(pictureWindow) {
    setObjectName(QStringLiteral("frmTip"));
    // The guide is read beside the picture; showing it leaves the keys where they are.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Step by Step"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* picture1 = new QLabel(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(40, 40));
    picture1->setAlignment(Qt::AlignTop);
    auto* label1 = new QLabel(QStringLiteral("Recommended Procedure..."), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = label1->font();
    heading.setBold(true);
    label1->setFont(heading);
    m_lblTipText = new QLabel(this);
    m_lblTipText->setObjectName(QStringLiteral("lblTipText"));
    m_lblTipText->setWordWrap(true);
    m_lblTipText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lblTipText->setTextFormat(Qt::PlainText);

    auto* cmdNextTip = new QPushButton(QStringLiteral("&Next Step"), this);
    cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    auto* cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    auto* cmdHelp = new QPushButton(QStringLiteral(" &Help"), this);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::NextTip);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmTip::cmdHelp_Click);

    auto* text = new QVBoxLayout;
    text->addWidget(label1);
    text->addWidget(m_lblTipText, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture1);
    top->addLayout(text, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdNextTip);
    buttons->addWidget(cmdHelp);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    resize(TwipsToPixels(7500), TwipsToPixels(3750));

    m_tips = Pages();
    m_currentTip = 1;
    DisplayCurrentTip();
    PlaceBesideThePicture();
}

QStringList frmTip::Pages() {
    const QString crlf = QStringLiteral("\r\n");
    return {
        QStringLiteral("1. Get the picture that you want to digitize using one of the following "
                       "methods:") +
            crlf +
            QStringLiteral(
                "a)  Load an existing image file (*.bmp, *.ico, *.jpg, *.gif): (CTRL+L)") +
            crlf + QStringLiteral("b)  Paste an image from the clipboard: (CTRL+V)") + crlf +
            QStringLiteral("c)  Capture an image from another program: (CTRL+T)") + crlf +
            QStringLiteral("d)  Use Scanner to get image from a hard copy: (CTRL+R)") + crlf +
            crlf +
            QStringLiteral("Any of these options can be found in the main menu under Picture or "
                           "using the Toolbar."),
        QStringLiteral("2. Go to the Options window to set the type of axis in case any or both "
                       "of them are Logarithmic.") +
            crlf + crlf +
            QStringLiteral("Options can be found in the main menu under File or using keyboard "
                           "CTRL+O"),
        QStringLiteral("3. Scale: This is done so Kurvex will read the points in the same scale "
                       "that your data is plotted.") +
            crlf + crlf +
            QStringLiteral("Scale can be found in the main menu under Picture or using keyboard "
                           "CTRL+M"),
        QStringLiteral("4. Read data points.") + crlf + crlf +
            QStringLiteral("*  Click on the image to save the coordinates of the selected point.") +
            crlf +
            QStringLiteral("*  If your data points have colors different that any other part of "
                           "the picture then Kurvex will recognize these points for you.  In the "
                           "Options window you can select the color of your points and then just "
                           "click AutoRead to obtain the values.") +
            crlf +
            QStringLiteral("*  After selecting some points you can use interpolation to generate "
                           "more points over the curve that you are digitizing."),
        QStringLiteral("5. Edit Data.") + crlf + crlf +
            QStringLiteral("If you have chosen a wrong point or you want to remove some chosen "
                           "points.") +
            crlf +
            QStringLiteral("Use your mouse to highlight rows of data in the table for deletion."),
        QStringLiteral("6.  Save Data to file or clipboard.") + crlf + crlf +
            QStringLiteral("You can save your data in a regular text file that can be recognized "
                           "by any text editor or spreadsheet program."),
        QStringLiteral("Miscellaneous Tips") + crlf + crlf +
            QStringLiteral("- You can quickly UNDO last selected point by hitting ESC key.") +
            crlf +
            QStringLiteral("- Keep right mouse button down to continously record data points."),
    };
}

void frmTip::PlaceBesideThePicture() {
    const QWidget& main = m_main.Window();
    const QWidget& picture = FrameOf(m_pictureWindow);
    const int left = main.width() - static_cast<int>(1.1 * width());
    const int top = (main.height() - picture.y() + picture.height()) / 2 - height() / 2;
    PlaceFrame(*this, QRect(QPoint(left, top), frameGeometry().size()));
}

void frmTip::DisplayCurrentTip() {
    if (m_tips.isEmpty()) {
        return;
    }
    QString text = m_tips.at(m_currentTip - 1);
    // The page on scaling: how well the reference points fit.
    if (m_currentTip == 3 && !m_fitReport.isEmpty()) {
        text += QStringLiteral("\r\n\r\n") + m_fitReport;
    }
    m_lblTipText->setText(ShownText(text));
}

void frmTip::NextTip() {
    ++m_currentTip;
    if (m_currentTip > m_tips.size()) {
        m_currentTip = 1;
    }
    DisplayCurrentTip();
}

void frmTip::ShowReferenceFitReport(const QString& report) {
    m_fitReport = report;
    DisplayCurrentTip();
}

QString frmTip::TipText() const {
    return m_lblTipText->text();
}

void frmTip::cmdOK_Click() {
    close();
}

void frmTip::cmdHelp_Click() {
    m_main.RunMenuCommand("mnuHelpContents");
}

void frmTip::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closing unloads the guide: the menu loses its check mark and the next showing starts
    // afresh at page 1.
    if (m_main.MenuItemChecked("mnuViewSteps")) {
        m_main.RunMenuCommand("mnuViewSteps");
    }
    deleteLater();
}
