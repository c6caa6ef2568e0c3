#include "windows/zoom/frmZoom.h"

#include "layout/Twips.h"
#include "picture/DrawnPicture.h"
#include "platform/ScreenSource.h"
#include "session/GridDrawing.h"
#include "session/Session.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/WindowGeometry.h"
#include "zoom/ZoomGeometry.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QSlider>
#include <QTimer>

namespace {

// A small cross where a click would snap to, in a colour that stands out from plots.
void DrawSnapCross(QImage& view, QPointF at) {
    constexpr double Arm = 5;
    QPainter painter(&view);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 0, 255), 1.5));
    painter.drawLine(at - QPointF(Arm, 0), at + QPointF(Arm, 0));
    painter.drawLine(at - QPointF(0, Arm), at + QPointF(0, Arm));
}
} // namespace

// The enlarged view with the two cross-hair lines over it.
class ZoomView : public QWidget {
public:
    explicit ZoomView(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("picZoom"));
        setFocusPolicy(Qt::StrongFocus);
        setMinimumSize(40, 40);
    }
    QImage image;
    QColor lineColor = PackedColor::Rgb(0, 192, 0).ToQColor();
    bool linesShown = true;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.drawImage(0, 0, image);
        if (linesShown) {
            painter.setPen(lineColor);
            painter.drawLine(width() / 2, 0, width() / 2, height());
            painter.drawLine(0, height() / 2, width(), height() / 2);
        }
    }
};

frmZoom::frmZoom(Session& session, const Desktop& desktop, MainFrame& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), m_session(session), m_desktop(desktop), m_main(main) {
    setObjectName(QStringLiteral("frmZoom"));
    // The magnifier follows the pointer over the picture; showing it must not take the keys.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("Zoom"));
    m_chkGrid = new QCheckBox(this);
    m_chkGrid->setObjectName(QStringLiteral("chkGrid"));
    m_chkGrid->setToolTip(QStringLiteral("Grid and cross-hair"));
    m_hsbZoom = new QSlider(Qt::Horizontal, this);
    m_hsbZoom->setObjectName(QStringLiteral("hsbZoom"));
    m_hsbZoom->setRange(MinimumZoomPercent, MaximumZoomPercent);
    m_hsbZoom->setSingleStep(1);
    m_hsbZoom->setPageStep(10);
    m_txtZoom = new QLineEdit(QStringLiteral("1000%"), this);
    m_txtZoom->setObjectName(QStringLiteral("txtZoom"));
    m_txtZoom->setMaximumWidth(56);
    m_txtZoom->installEventFilter(this);
    m_picZoom = new ZoomView(this);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_chkGrid, 0, 0);
    layout->addWidget(m_hsbZoom, 0, 1);
    layout->addWidget(m_txtZoom, 0, 2);
    layout->addWidget(m_picZoom, 1, 0, 1, 3);
    layout->setRowStretch(1, 1);
    m_tmrZoom = new QTimer(this);
    m_tmrZoom->setInterval(m_polling.IntervalMs());
    connect(m_tmrZoom, &QTimer::timeout, this, &frmZoom::tmrZoom_Timer);
    m_moveWatcher = new MoveWatcher(*this);
    connect(m_hsbZoom, &QSlider::valueChanged, this, &frmZoom::hsbZoom_Change);
    connect(m_chkGrid, &QCheckBox::clicked, this, &frmZoom::chkGrid_Click);

    // The window as it starts: 750%, grid on, near the right edge of the screen.
    m_hsbZoom->setValue(750);
    hsbZoom_Change();
    m_chkGrid->setChecked(true);
    setMinimumSize(TwipsToPixels(1680), TwipsToPixels(1680));
    resize(TwipsToPixels(2200), TwipsToPixels(2200));
    move(ScreenGeometry().width() - static_cast<int>(1.1 * width()), 0);
    SetLineColor(m_session.settings.ZoomLineColor);
    connect(&m_session, &Session::SettingsChanged, this,
            [this] { SetLineColor(m_session.settings.ZoomLineColor); });
}

const QImage& frmZoom::View() const {
    return m_picZoom->image;
}

void frmZoom::SetLineColor(PackedColor color) {
    m_picZoom->lineColor = color.ToQColor();
    m_picZoom->update();
}

void frmZoom::SetTimerEnabled(bool enabled) {
    if (enabled) {
        m_tmrZoom->start();
    } else {
        m_tmrZoom->stop();
    }
}

bool frmZoom::TimerEnabled() const {
    return m_tmrZoom->isActive();
}

void frmZoom::tmrZoom_Timer() {
    if (!m_session.MouseOnPicture || isMinimized()) {
        // Emptied once; an idle program repaints nothing.
        if (!m_picZoom->image.isNull()) {
            m_picZoom->image = QImage();
            m_picZoom->update();
        }
        return;
    }
    const QPoint cursor = m_desktop.screen.CursorPosition();
    if (m_polling.Look(cursor)) {
        RefreshZoom(cursor);
    }
    FollowPollingInterval();
}

void frmZoom::FollowPollingInterval() {
    const int interval = m_polling.IntervalMs();
    if (m_tmrZoom->interval() == interval) {
        return;
    }
    m_tmrZoom->setInterval(interval);
    if (interval == ZoomPolling::RestingIntervalMs) {
        QCoreApplication::instance()->installEventFilter(m_moveWatcher);
    } else {
        QCoreApplication::instance()->removeEventFilter(m_moveWatcher);
    }
}

bool frmZoom::MoveWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        m_zoom.m_polling.Moved();
        m_zoom.FollowPollingInterval();
        if (m_zoom.m_tmrZoom->isActive()) {
            m_zoom.m_tmrZoom->start();
        }
    }
    return QObject::eventFilter(watched, event);
}

void frmZoom::RefreshZoom(QPoint cursor) {
    const ZoomMapping mapping = MapZoom(cursor, m_picZoom->size(), m_zoomFactor);
    const QImage screen = m_desktop.screen.Grab(mapping.source);
    QImage view(mapping.drawn, QImage::Format_RGB32);
    view.fill(Qt::black);
    if (!screen.isNull()) {
        QPainter painter(&view);
        painter.drawImage(QRect(QPoint(0, 0), mapping.drawn), screen);
    }
    if (m_chkGrid->isChecked()) {
        DrawGrid(view, m_zoomFactor, m_zoomFactor);
    }
    if (m_session.settings.SnapClicks && m_session.SnapPreview) {
        DrawSnapCross(view, ViewPointOf(mapping, cursor, *m_session.SnapPreview, m_zoomFactor));
    }
    // A view that looks as it did needs no repaint: the screen under a resting pointer seldom
    // changes, and the repaint is what the copy costs most.
    if (view == m_picZoom->image) {
        return;
    }
    m_picZoom->image = view;
    m_picZoom->update();
}

void frmZoom::hsbZoom_Change() {
    m_zoomFactor = m_hsbZoom->value() / 100.0f;
    m_txtZoom->setText(ZoomText(m_zoomFactor));
    if (m_picZoom->isVisible()) {
        m_picZoom->setFocus();
    }
    m_polling.Forget();
}

void frmZoom::txtZoom_LostFocus() {
    m_zoomFactor = ZoomFromText(m_txtZoom->text());
    const int percent = static_cast<int>(std::nearbyint(m_zoomFactor * 100.0f));
    if (m_hsbZoom->value() != percent) {
        m_hsbZoom->setValue(percent);
    }
    m_txtZoom->setText(ZoomText(m_zoomFactor));
}

void frmZoom::chkGrid_Click() {
    m_polling.Forget();
    if (m_picZoom->isVisible()) {
        m_picZoom->setFocus();
    }
    m_picZoom->linesShown = m_chkGrid->isChecked();
    m_picZoom->update();
}

bool frmZoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_txtZoom) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::FocusIn: {
        if (m_returningFocus) {
            break;
        }
        // The number alone, selected, ready to be typed over.
        const int percent =
            static_cast<int>(std::nearbyint(ZoomFromText(m_txtZoom->text()) * 100.0f));
        m_txtZoom->setText(QString::number(percent));
        QTimer::singleShot(0, m_txtZoom, &QLineEdit::selectAll);
        break;
    }
    case QEvent::FocusOut:
        txtZoom_LostFocus();
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Applied as when the box is left (the slider then gives the view the focus),
            // and back in the box, the applied percentage selected for the next value.
            txtZoom_LostFocus();
            m_returningFocus = true;
            m_txtZoom->setFocus();
            m_returningFocus = false;
            m_txtZoom->setText(ZoomText(m_zoomFactor));
            m_txtZoom->selectAll();
            return true;
        }
        const QString text = key->text();
        const bool control = text.isEmpty() || text.at(0).unicode() < 32;
        const bool digit = !text.isEmpty() && text.at(0).isDigit() && text.at(0).unicode() < 128;
        if (!control && !digit) {
            QApplication::beep();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmZoom::closeEvent(QCloseEvent* event) {
    // Closing is the same as View > Zoom; the window then unloads and starts afresh next time.
    event->accept();
    if (m_main.MenuItemChecked("mnuViewZoom")) {
        m_main.RunMenuCommand("mnuViewZoom");
    }
    deleteLater();
}
