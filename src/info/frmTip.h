#pragma once

#include <QWidget>

// A separate top-level window of its own; the main window shows and hides it.
class frmTip : public QWidget {
    Q_OBJECT
public:
    explicit frmTip(QWidget* parent = nullptr);
};
