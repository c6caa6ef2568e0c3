#include "windows/document/PictureSurface.h"

#include "picture/CalibrationGridLines.h"

#include "windows/shared/PointerImages.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QStyle>

#include <cmath>

namespace {

constexpr int PlaceholderSize = 32;
constexpr PackedColor ForegroundColor = PackedColor::Rgb(0, 0, 0);

int ButtonState(Qt::MouseButtons buttons) {
    int state = 0;
    if (buttons.testFlag(Qt::LeftButton)) {
        state |= MouseButton::Left;
    }
    if (buttons.testFlag(Qt::RightButton)) {
        state |= MouseButton::Right;
    }
    if (buttons.testFlag(Qt::MiddleButton)) {
        state |= MouseButton::Middle;
    }
    return state;
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace

PictureSurface::PictureSurface(SessionPicture& picture, QWidget* parent)
    : QWidget(parent), m_picture(picture) {
    setObjectName(QStringLiteral("Picture2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    connect(&m_picture, &SessionPicture::Replaced, this, &PictureSurface::ShowNewPicture);
    connect(&m_picture, &SessionPicture::Drawn, this, qOverload<const QRect&>(&QWidget::update));
    QImage placeholder(PlaceholderSize, PlaceholderSize, QImage::Format_RGB32);
    placeholder.fill(palette().color(QPalette::Window));
    {
        QPainter painter(&placeholder);
        style()->standardIcon(QStyle::SP_FileIcon).paint(&painter, placeholder.rect());
    }
    m_picture.SetPlaceholder(placeholder);
    ShowNewPicture();
}

void PictureSurface::ShowNewPicture() {
    setFixedSize(m_picture.Drawing().Size());
    update();
    emit PictureChanged();
}

QPointF PictureSurface::UserPosition(QPointF widgetPosition) const {
    // The pixel under the pointer, as whole pixel columns and rows.
    return Coordinates().ToUser(
        QPointF(std::floor(widgetPosition.x()), std::floor(widgetPosition.y())));
}

namespace {

// Half the size of a proposal's marks, in screen pixels.
constexpr double ProposalMarkRadius = 6;

void PaintProposal(QPainter& painter, const PictureSurface::ProposalMarks& marks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Picture positions count from pixel centres.
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(QColor(0, 150, 255, 160), 3));
    for (const QLineF& axis : marks.axes) {
        painter.drawLine(axis);
    }
    const double r = ProposalMarkRadius;
    painter.setPen(QPen(QColor(0, 170, 0), 2));
    for (const QPointF& tick : marks.takenTicks) {
        painter.drawEllipse(tick, r, r);
    }
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    for (const QPointF& tick : marks.leftOutTicks) {
        painter.drawLine(tick + QPointF(-r, -r), tick + QPointF(r, r));
        painter.drawLine(tick + QPointF(-r, r), tick + QPointF(r, -r));
    }
    painter.setPen(QPen(QColor(0, 0, 200), 2));
    for (const QPointF& reference : marks.references) {
        painter.drawRect(QRectF(reference - QPointF(r + 3, r + 3), QSizeF(2 * r + 6, 2 * r + 6)));
    }
    painter.restore();
}

} // namespace

void PictureSurface::PSet(double x, double y) {
    PSet(x, y, ForegroundColor);
}

void PictureSurface::SetPointerIndex(int index) {
    if (index == m_pointerIndex) {
        return;
    }
    m_pointerIndex = index;
    setCursor(PointerCursor(index));
}

QSize PictureSurface::sizeHint() const {
    return m_picture.Drawing().Size();
}

void PictureSurface::paintEvent(QPaintEvent* event) {
    // Only the exposed part: a large scan costs what shows, not what it holds.
    QPainter painter(this);
    m_picture.Drawing().Paint(painter, event->rect());
    if (m_grid && HasPicture()) {
        painter.setPen(QPen(m_grid->color.ToQColor(), 0));
        for (const QLineF& line :
             CalibrationGridLines(m_picture.Coordinates(), m_grid->xLog, m_grid->yLog)) {
            painter.drawLine(line);
        }
    }
    if (m_proposal) {
        PaintProposal(painter, *m_proposal);
    }
    emit Painted();
}

void PictureSurface::SetProposalMarks(std::optional<ProposalMarks> marks) {
    m_proposal = std::move(marks);
    update();
}

void PictureSurface::SetCalibrationGrid(std::optional<GridStyle> style) {
    m_grid = style;
    update();
}

void PictureSurface::mousePressEvent(QMouseEvent* event) {
    const QPointF user = UserPosition(event->position());
    emit MouseDown(ButtonState(event->button()), ShiftState(event->modifiers()),
                   static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void PictureSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = UserPosition(event->position());
    emit MouseMove(ButtonState(event->buttons()), ShiftState(event->modifiers()),
                   static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void PictureSurface::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseUp(ButtonState(event->button()));
}

void PictureSurface::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    emit FocusLost();
}
