// The Window menu: the platform's arrangements of the child windows and the default layout.

#include "windows/main/frmMain.h"

#include "windows/shared/WindowGeometry.h"

#include "layout/DefaultPositions.h"
#include "layout/Twips.h"
#include "session/Session.h"
#include "windows/data/frmData.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmTip.h"
#include "windows/options/frmOptions.h"
#include "windows/shared/WindowSet.h"
#include "windows/zoom/frmZoom.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include <cmath>

namespace {

QRect ToPixels(const QRectF& twips) {
    return QRect(TwipsToPixels(twips.left()), TwipsToPixels(twips.top()),
                 TwipsToPixels(twips.width()), TwipsToPixels(twips.height()));
}

// A minimised or maximised window is put back to normal first, so it can be placed.
void Place(QWidget& window, const QRect& geometry) {
    if (window.isMinimized() || window.isMaximized()) {
        window.showNormal();
    }
    if (window.isWindow()) {
        PlaceFrame(window, geometry);
    } else {
        window.setGeometry(geometry);
    }
}

QSizeF TwipsSize(QSize pixels) {
    return {PixelsToTwips(pixels.width()), PixelsToTwips(pixels.height())};
}

// The default layout for the screen and this frame, with the guide at its current size.
DefaultLayout LayoutFor(QSize frame, QSize guide) {
    return ComputeDefaultPositions(TwipsSize(ScreenGeometry().size()), TwipsSize(frame),
                                   TwipsSize(guide));
}

} // namespace

void frmMain::PlaceToolWindows() {
    // The guide is not asked for: it is placed when it is first shown.
    const DefaultLayout layout = LayoutFor(size(), QSize());
    Place(m_windows.Zoom(), ToPixels(layout.zoom));
    Place(m_windows.Options(), ToPixels(layout.options));
}

// A window manager learns which window a tool window belongs to when the tool window is
// mapped. Those shown while the frame itself was not yet on the screen are mapped once more, so
// that they stay in front of the frame.
void frmMain::KeepToolWindowsInFront() {
    // Until the window manager has taken on every window, a second mapping could cross the
    // first one.
    constexpr int LongestWaitMs = 2000;
    WaitUntilExposed(*this, LongestWaitMs);
    for (QWidget* window : m_windows.LoadedToolWindows()) {
        if (window->isVisible()) {
            WaitUntilExposed(*window, LongestWaitMs);
        }
    }
    for (QWidget* window : m_windows.LoadedToolWindows()) {
        if (window->isVisible()) {
            // Now that the decorations are known, the whole frame is put on the screen.
            PlaceFrame(*window, window->frameGeometry());
            window->hide();
            window->show();
        }
    }
}

void frmMain::mnuWindowDefault_Click() {
    const DefaultLayout layout = LayoutFor(size(), m_windows.Tip().size());
    Place(FrameOf(m_windows.Data()), ToPixels(layout.data));
    Place(m_windows.Zoom(), ToPixels(layout.zoom));
    Place(FrameOf(m_windows.Document()), ToPixels(layout.picture));
    Place(m_windows.Options(), ToPixels(layout.options));
    Place(m_windows.Tip(), ToPixels(layout.guide));
}

void frmMain::mnuWindowCascade_Click() {
    m_mdiArea->cascadeSubWindows();
}

namespace {

// Shares the frame among the windows that are not minimised: in rows of the full width
// (horizontal) or in columns of the full height.
void Tile(QMdiArea& area, bool horizontal) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* window : area.subWindowList()) {
        if (!window->isMinimized() && window->isVisible()) {
            window->showNormal();
            shown << window;
        }
    }
    if (shown.isEmpty()) {
        return;
    }
    const QSize room = area.viewport()->size();
    const int count = static_cast<int>(shown.size());
    for (int i = 0; i < count; ++i) {
        if (horizontal) {
            const int height = room.height() / count;
            shown[i]->setGeometry(0, i * height, room.width(), height);
        } else {
            const int width = room.width() / count;
            shown[i]->setGeometry(i * width, 0, width, room.height());
        }
    }
}

} // namespace

void frmMain::mnuWindowTileHorizontal_Click() {
    Tile(*m_mdiArea, true);
}

void frmMain::mnuWindowTileVertical_Click() {
    Tile(*m_mdiArea, false);
}

void frmMain::mnuWindowArrangeIcons_Click() {
    // Minimised windows in a row along the bottom of the frame.
    const QSize area = m_mdiArea->viewport()->size();
    int left = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (window->isMinimized()) {
            const QSize iconSize = window->size();
            window->move(left, area.height() - iconSize.height());
            left += iconSize.width();
        }
    }
}
