#pragma once

#include <QWidget>

// A separate top-level window of its own; the main window shows and hides it.
class frmZoom : public QWidget {
    Q_OBJECT
public:
    explicit frmZoom(QWidget* parent = nullptr);
};
