#include "document/frmDocument.h"

#include "document/PictureSurface.h"

#include "core/AppState.h"
#include "core/Twips.h"
#include "table/frmData.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

frmDocument::frmDocument(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDocument"));
    setWindowTitle(QStringLiteral("Picture"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_picture1 = new QScrollArea(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFrameShape(QFrame::NoFrame);
    m_picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture2 = new PictureSurface;
    m_picture1->setWidget(m_picture2);
    layout->addWidget(m_picture1);
}

void frmDocument::Form_Load() {
    QWidget* window = parentWidget() != nullptr ? parentWidget() : this;
    const QWidget* dataWindow =
        App().Data().parentWidget() != nullptr ? App().Data().parentWidget() : &App().Data();
    // The frame is maximised only after this, so the screen gives the room it will have.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->geometry().size() : QSize(1024, 768);
    const int left = dataWindow->width() + TwipsToPixels(50);
    const int width = std::max(TwipsToPixels(3000), screenSize.width() - left - TwipsToPixels(50));
    window->setGeometry(left, 0, width, static_cast<int>(0.45 * screenSize.height()));
}
