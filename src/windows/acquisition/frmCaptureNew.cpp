#include "windows/acquisition/frmCaptureNew.h"

#include "windows/shared/WindowGeometry.h"

#include "decoding/CaptureGeometry.h"
#include "layout/Twips.h"
#include "picture/DrawnPicture.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/ScreenSource.h"
#include "session/Session.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/ResourceSounds.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmCaptureNew::frmCaptureNew(Session& session, const Desktop& desktop, MainFrame& main,
                             QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_session(session), m_desktop(desktop),
      m_main(main) {
    setObjectName(QStringLiteral("frmCaptureNew"));
    setWindowTitle(QStringLiteral("Kurvex - Screen Capture"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setMouseTracking(true);

    m_frame = new QGroupBox(QStringLiteral("Start Screen Capture"), this);
    m_frame->setObjectName(QStringLiteral("frmCapture"));
    m_label = new QLabel(InstructionText(), m_frame);
    m_label->setObjectName(QStringLiteral("lblCapture"));
    auto* ok = new QPushButton(QStringLiteral("&Ok"), m_frame);
    ok->setObjectName(QStringLiteral("btnCaptureOK"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), m_frame);
    cancel->setObjectName(QStringLiteral("btnCaptureCancel"));
    connect(ok, &QPushButton::clicked, this, &frmCaptureNew::btnCaptureOK_Click);
    connect(cancel, &QPushButton::clicked, this, &frmCaptureNew::btnCaptureCancel_Click);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* frameLayout = new QHBoxLayout(m_frame);
    frameLayout->addWidget(m_label, 1);
    frameLayout->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);

    const QRect screen = ScreenGeometry();
    const QSize size(std::max(TwipsToPixels(6600), sizeHint().width()),
                     std::max(TwipsToPixels(1515), sizeHint().height()));
    setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
    m_savedMainState = m_main.Window().windowState();
}

frmCaptureNew::~frmCaptureNew() {
    // The main window comes back as it was.
    m_main.Window().setWindowState(m_savedMainState);
}

QString frmCaptureNew::InstructionText() const {
    return QStringLiteral(
               "Switch to the window with the area that you want to capture.\r\nYou have ") +
           QString::number(CountdownSeconds) +
           QStringLiteral(" seconds to do this after you click OK.");
}

void frmCaptureNew::btnCaptureOK_Click() {
    m_frame->hide();
    hide();
    // Pending events run meanwhile: the user goes to the window with the area to capture.
    m_desktop.clock.Wait(CountdownSeconds * 1000, Clock::Input::Taken);
    PlayResourceSound(m_desktop.sound, BeepSound);
    const QRect screen = ScreenGeometry();
    m_frozen = m_desktop.screen.Grab(screen).convertToFormat(QImage::Format_RGB32);
    setGeometry(screen);
    show();
    raise();
    activateWindow();
    setFocus();
    QCoreApplication::processEvents();
    m_desktop.prompts.ShowMessage(
        QStringLiteral(
            "Use your mouse to select the area you want to digitize:\r\n- Left button to "
            "define area.\r\n- Right button to redefine area."),
        QStringLiteral("Define Area to Capture"), MessageIcon::Information, MessageButtons::Ok);
}

void frmCaptureNew::btnCaptureCancel_Click() {
    close();
}

void frmCaptureNew::Form_MouseDown(int button, QPointF position) {
    if (!m_selecting) {
        setCursor(Qt::CrossCursor);
        m_anchor = position;
        m_current = position;
        m_selecting = true;
        return;
    }
    if (button == 2) {
        m_selecting = false;
        unsetCursor();
        m_readout.clear();
        update();
        return;
    }
    if (button == 1) {
        CaptureArea(m_anchor.x(), position.x(), m_anchor.y(), position.y());
        close();
    }
}

void frmCaptureNew::Form_MouseMove(QPointF position) {
    if (!m_selecting) {
        return;
    }
    m_current = position;
    const QRect area = CaptureRectangle(m_anchor.x(), position.x(), m_anchor.y(), position.y());
    // On a scaled display the rectangle covers more screen pixels than window units.
    const QRect pixels = ScreenPixelsOf(area, m_frozen.devicePixelRatio());
    const QString text = QStringLiteral("%1x%2").arg(pixels.width()).arg(pixels.height());
    const QFontMetrics metrics(font());
    m_readout.clear();
    if (metrics.horizontalAdvance(text) < area.width() && metrics.height() < area.height()) {
        m_readout = text;
        const QPoint centre(pixels.right() + 1 - pixels.width() / 2,
                            pixels.bottom() + 1 - pixels.height() / 2);
        const PackedColor colour = m_frozen.rect().contains(centre)
                                       ? PackedColor::FromQRgb(m_frozen.pixel(centre))
                                       : PackedColor();
        m_readoutBlack = ReadoutInBlack(colour.Packed());
    }
    update();
}

void frmCaptureNew::CaptureArea(double x1, double x2, double y1, double y2) {
    m_selecting = false;
    const QRect area = CaptureRectangle(x1, x2, y1, y2);
    if (area.width() < 1 || area.height() < 1) {
        return;
    }
    m_readout.clear();
    QImage picture = m_frozen.copy(ScreenPixelsOf(area, m_frozen.devicePixelRatio()));
    // The picture is its pixels; the screen's scale does not come with it.
    picture.setDevicePixelRatio(1);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setImage(picture);
    }
    m_main.RunMenuCommand("mnuPicturePaste");
}

void frmCaptureNew::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_frozen.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_frozen);
    if (!m_selecting) {
        return;
    }
    const QRect area = CaptureRectangle(m_anchor.x(), m_current.x(), m_anchor.y(), m_current.y());
    painter.setPen(QPen(Qt::red, 1, Qt::DashLine));
    painter.drawRect(area);
    if (!m_readout.isEmpty()) {
        painter.setPen(m_readoutBlack ? Qt::black : Qt::white);
        painter.drawText(area, Qt::AlignCenter, m_readout);
    }
}

void frmCaptureNew::mousePressEvent(QMouseEvent* event) {
    if (m_frozen.isNull()) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int button = event->button() == Qt::LeftButton    ? 1
                       : event->button() == Qt::RightButton ? 2
                                                            : 4;
    Form_MouseDown(button, event->position());
}

void frmCaptureNew::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove(event->position());
}

void frmCaptureNew::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
