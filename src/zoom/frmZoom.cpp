#include "zoom/frmZoom.h"

frmZoom::frmZoom(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral("Zoom"));
}
