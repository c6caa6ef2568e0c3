#include "windows/document/frmDocument.h"

#include "windows/shared/WindowGeometry.h"

#include "decoding/CopiedFile.h"
#include "layout/Twips.h"
#include "layout/ViewportLayout.h"
#include "recognition/LabelOcr.h"
#include "session/Session.h"
#include "windows/document/ButtonLabel.h"
#include "windows/document/PictureSurface.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/PointerImages.h"

#include <algorithm>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSizeGrip>

namespace {

struct StripButton {
    const char* caption;
    int left;
    int width;
};

// Positions in twips inside the strip.
constexpr StripButton StripButtons[4] = {
    {"Rotate", 0, 585},
    {"Undo Rotate", 750, 1095},
    {"Undo Last Point", 2040, 1380},
    {"Save Picture", 3600, 1110},
};

QPixmap HideStripImage(int size) {
    QPixmap image(size, size);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::darkGray, 2));
    painter.drawLine(4, 4, size - 5, size - 5);
    painter.drawLine(4, size - 5, size - 5, 4);
    return image;
}

} // namespace

frmDocument::frmDocument(Session& session, const Desktop& desktop, MainFrame& main, QWidget* parent)
    : QWidget(parent), m_session(session), m_desktop(desktop), m_main(main) {
    setObjectName(QStringLiteral("frmDocument"));
    setWindowTitle(QStringLiteral("Picture"));
    setMouseTracking(true);
    setAcceptDrops(true);

    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setMouseTracking(true);
    m_picture1->installEventFilter(this);
    m_picture2 = new PictureSurface(m_session.Picture(), m_picture1);
    m_picture2->installEventFilter(this);
    connect(m_picture2, &PictureSurface::PictureChanged, this, &frmDocument::Form_Resize);
    // A proposal belongs to the picture it was read from.
    connect(m_picture2, &PictureSurface::PictureChanged, this, [this] {
        if (m_autoScale) {
            GiveUpAutoScale(QStringLiteral("Auto Scale given up: the picture changed"));
        }
    });
    // The colour picker's pointer while a click picks the auto-read colour, else the user's.
    connect(&m_session, &Session::SettingsChanged, this, [this] {
        m_picture2->SetPointerIndex(m_session.PickColorMode ? ColourPickerPointer
                                                            : m_session.settings.PointerIndex);
    });
    connect(&m_session, &Session::SettingsChanged, this,
            [this] { ShowCalibrationGrid(m_picture2->CalibrationGridShown()); });
    connect(m_picture2, &PictureSurface::MouseDown, this, &frmDocument::Picture2_MouseDown);
    connect(m_picture2, &PictureSurface::MouseMove, this, &frmDocument::Picture2_MouseMove);
    // The points of a drag with the right button are one step, made when the button is let go.
    connect(m_picture2, &PictureSurface::MouseUp, this, [this](int button) {
        if (button == MouseButton::Right) {
            m_session.History().Commit(QStringLiteral("Points"));
        }
    });
    connect(m_picture2, &PictureSurface::FocusLost, this,
            [this] { m_session.MouseOnPicture = false; });
    // A marker drawn under a resting pointer shows in the magnifier at once.
    connect(m_picture2, &PictureSurface::Painted, this, &frmDocument::PicturePainted);

    m_hScroll1 = new QScrollBar(Qt::Horizontal, this);
    m_hScroll1->setObjectName(QStringLiteral("HScroll1"));
    m_vScroll1 = new QScrollBar(Qt::Vertical, this);
    m_vScroll1->setObjectName(QStringLiteral("VScroll1"));
    connect(m_hScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { m_picture2->move(-value, m_picture2->y()); });
    connect(m_vScroll1, &QScrollBar::valueChanged, this,
            [this](int value) { m_picture2->move(m_picture2->x(), -value); });

    CreateButtonStrip();

    m_label1 = new QSizeGrip(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    Form_Resize();
}

void frmDocument::CreateButtonStrip() {
    m_picture3 = new QWidget(this);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setAutoFillBackground(true);
    m_picture3->setGeometry(0, 0, TwipsToPixels(5235), TwipsToPixels(240));
    QFont stripFont = font();
    stripFont.setPointSize(8);
    for (int i = 0; i < 4; ++i) {
        auto* label = new ButtonLabel(QString::fromLatin1(StripButtons[i].caption), m_picture3);
        label->setObjectName(QStringLiteral("lblbutton%1").arg(i));
        label->setFont(stripFont);
        label->setGeometry(TwipsToPixels(StripButtons[i].left), 1,
                           TwipsToPixels(StripButtons[i].width), TwipsToPixels(195));
        connect(label, &ButtonLabel::Clicked, this, [this, i] { lblbutton_Click(i); });
        m_lblbutton[static_cast<size_t>(i)] = label;
    }
    const int picture4Size = TwipsToPixels(255);
    m_picture4 = new QLabel(m_picture3);
    m_picture4->setObjectName(QStringLiteral("Picture4"));
    m_picture4->setToolTip(
        QStringLiteral("Hide this toolbar (View > Image Toolbar shows it again)"));
    m_picture4->setPixmap(HideStripImage(std::min(picture4Size, m_picture3->height())));
    m_picture4->setGeometry(TwipsToPixels(4920), 0, picture4Size, m_picture3->height());
    m_picture4->installEventFilter(this);
    m_picture3->raise();
}

void frmDocument::Form_Load(int dataWindowWidth, std::optional<int> zoomLeftEdge) {
    // The frame is maximised only after this, so the screen gives the room it will have.
    const QSize screenSize = ScreenGeometry().size();
    const int left = dataWindowWidth + TwipsToPixels(50);
    // Up to the zoom window, which stands at the right edge of the screen.
    const int zoomLeft = zoomLeftEdge.value_or(screenSize.width());
    const int width = std::max(TwipsToPixels(3000), zoomLeft - left - TwipsToPixels(50));
    FrameOf(*this).setGeometry(left, 0, width, static_cast<int>(0.45 * screenSize.height()));
    Form_Resize();
}

void frmDocument::Form_Resize() {
    const ViewportLayout layout =
        LayOutViewport(size(), m_picture2->size(), m_vScroll1->sizeHint().width(),
                       m_hScroll1->sizeHint().height());
    m_picture1->setGeometry(layout.viewport);
    m_hScroll1->setGeometry(layout.horizontalBar);
    m_vScroll1->setGeometry(layout.verticalBar);
    m_hScroll1->setRange(0, layout.horizontalMaximum);
    m_vScroll1->setRange(0, layout.verticalMaximum);
    m_hScroll1->setPageStep(std::max(1, layout.viewport.width()));
    m_vScroll1->setPageStep(std::max(1, layout.viewport.height()));
    m_hScroll1->setSingleStep(16);
    m_vScroll1->setSingleStep(16);
    m_hScroll1->setValue(0);
    m_vScroll1->setValue(0);
    m_picture2->move(0, 0);
    m_hScroll1->setVisible(layout.horizontalVisible);
    m_vScroll1->setVisible(layout.verticalVisible);
    const QSize grip = m_label1->sizeHint();
    m_label1->setGeometry(width() - grip.width() - TwipsToPixels(40),
                          height() - grip.height() - TwipsToPixels(40), grip.width(),
                          grip.height());
    m_label1->raise();
}

void frmDocument::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmDocument::MouseLeftPicture() {
    m_session.MouseOnPicture = false;
    setWindowTitle(QStringLiteral("Picture"));
}

void frmDocument::mouseMoveEvent(QMouseEvent* event) {
    MouseLeftPicture();
    QWidget::mouseMoveEvent(event);
}

void frmDocument::keyPressEvent(QKeyEvent* event) {
    const int shift = event->modifiers().testFlag(Qt::ShiftModifier) ? 1 : 0;
    const bool answersProposal =
        AutoScaleProposed() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    Form_KeyDown(event->key() == Qt::Key_Escape ? EscapeKey : event->key(), shift);
    if (event->key() == Qt::Key_Escape || answersProposal) {
        // Used up here: left ignored, a key the picture passed on would travel up to this
        // window once more and take a second point.
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmDocument::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture1 && event->type() == QEvent::MouseMove) {
        MouseLeftPicture();
    } else if (watched == m_picture4 && event->type() == QEvent::MouseButtonRelease) {
        // A click is the left button's; the others do nothing here.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_main.RunMenuCommand("mnuViewImageToolbar");
        }
        return true;
    } else if (watched == m_picture2 && event->type() == QEvent::KeyPress) {
        // The window sees keys before its picture does.
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmDocument::ShowCalibrationGrid(bool shown) {
    const Settings& s = m_session.settings;
    m_picture2->SetCalibrationGrid(
        shown ? std::optional(PictureSurface::GridStyle{s.CalibrationGridColor, s.XLog, s.YLog})
              : std::nullopt);
}

void frmDocument::lblbutton_Click(int index) {
    static const QString Steps[] = {QStringLiteral("Rotate"), QStringLiteral("Rotate Back"),
                                    QStringLiteral("Remove Last Point"),
                                    QStringLiteral("Save Picture As")};
    const UndoStep step(m_session.History(), Steps[std::clamp(index, 0, 3)]);
    switch (index) {
    case 0:
        RotatePicture();
        break;
    case 1:
        UndoRotate();
        break;
    case 2:
        UndoLastPoint();
        break;
    case 3:
        SavePictureAs();
        break;
    default:
        break;
    }
}

void frmDocument::dragEnterEvent(QDragEnterEvent* event) {
    if (!CopiedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmDocument::dropEvent(QDropEvent* event) {
    const QString file = CopiedFile(event->mimeData());
    if (file.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    m_main.ImportPictureFile(file);
}
