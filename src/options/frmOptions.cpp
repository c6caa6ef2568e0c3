#include "options/frmOptions.h"

#include "core/AppState.h"
#include "document/DrawnPicture.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

frmOptions::frmOptions(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Auto-read data colour"), this));
    m_frameARdataColor = new QFrame(this);
    m_frameARdataColor->setObjectName(QStringLiteral("frameARdataColor"));
    m_frameARdataColor->setFrameShape(QFrame::Box);
    m_frameARdataColor->setAutoFillBackground(true);
    m_frameARdataColor->setMinimumSize(48, 24);
    layout->addWidget(m_frameARdataColor);
    layout->addStretch();
    SetDataColorSample(App().settings.ARDataColor);
}

void frmOptions::SetDataColorSample(int packedColor) {
    if (packedColor < 0) {
        return;
    }
    m_dataColor = packedColor;
    QPalette colors = m_frameARdataColor->palette();
    colors.setColor(QPalette::Window, ColorFromPacked(packedColor));
    m_frameARdataColor->setPalette(colors);
}

void frmOptions::cmdARColorTolerance_Change() {}

void frmOptions::cmdApply_Click() {
    App().settings.ARDataColor = m_dataColor;
}
