#include "windows/document/ButtonLabel.h"

#include <QMouseEvent>

ButtonLabel::ButtonLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setCursor(Qt::PointingHandCursor);
    SetTextColor(Qt::black);
}

void ButtonLabel::SetTextColor(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
}

void ButtonLabel::mousePressEvent(QMouseEvent* event) {
    // Light blue of the sixteen-colour palette while pressed.
    SetTextColor(QColor(0, 0, 255));
    event->accept();
}

void ButtonLabel::mouseReleaseEvent(QMouseEvent* event) {
    SetTextColor(Qt::black);
    event->accept();
    // Any button lights the label; only the left one clicks it.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}
