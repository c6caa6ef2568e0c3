#pragma once

#include <QLabel>

// A label that works as a flat button: its text turns light blue while a mouse button is
// down on it and black again on release, and a release over it is a click.
class ButtonLabel : public QLabel {
    Q_OBJECT
public:
    ButtonLabel(const QString& caption, QWidget* parent);

signals:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetTextColor(const QColor& color);
};
