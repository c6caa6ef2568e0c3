#include "info/frmTip.h"

frmTip::frmTip(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Step by Step"));
}
