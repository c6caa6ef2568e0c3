#include "windows/main/frmMain.h"

#include "session/Session.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/options/frmOptions.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowGeometry.h"
#include "windows/shared/WindowSet.h"
#include "windows/zoom/frmZoom.h"

#include <QAction>
#include <QCoreApplication>

void frmMain::Form_Load() {
    try {
        m_windows.Data().Form_Load();

        m_session.settings = Settings{};
        m_session.ScaleModeOn = false;
        m_session.MouseOnPicture = false;
        m_session.PickColorMode = false;

        PlaceToolWindows();
        m_windows.Zoom().show();
        m_windows.Document().show();
        frmZoom& zoom = m_windows.Zoom();
        m_windows.Document().Form_Load(FrameOf(m_windows.Data()).width(),
                                       zoom.isVisible() ? std::optional<int>(zoom.x())
                                                        : std::nullopt);
        m_windows.Data().show();

        // The options window is loaded once, hidden, so the picture gets its drawing width
        // and mouse pointer before the user sees anything.
        m_windows.Options().hide();
        QCoreApplication::processEvents();
        m_windows.Document().Picture2().SetDrawWidth(m_session.settings.DotSize);
        m_windows.Document().Picture2().SetPointerIndex(m_session.settings.PointerIndex);

        mnuViewZoom_Click();
        mnuPictureResetScale_Click();
        m_windows.Options().show();
        Item("mnuPictureScale").setChecked(false);
    } catch (const AppError& error) {
        m_windows.UnloadSplash();
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(m_session, m_desktop.prompts, error);
    }
}
