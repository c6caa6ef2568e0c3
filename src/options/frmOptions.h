#pragma once

#include <QWidget>

// A separate top-level window of its own; the main window shows and hides it.
class frmOptions : public QWidget {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* parent = nullptr);
};
