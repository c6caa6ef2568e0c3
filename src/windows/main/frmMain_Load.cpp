#include "windows/main/frmMain.h"

#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/options/frmOptions.h"
#include "windows/shared/AppState.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/zoom/frmZoom.h"

#include <QAction>
#include <QCoreApplication>

void frmMain::Form_Load() {
    try {
        App().Data().Form_Load();

        App().settings = Settings{};
        App().ScaleModeOn = false;
        App().MouseOnPicture = false;
        App().PickColorMode = false;

        PlaceToolWindows();
        App().Zoom().show();
        App().Document().show();
        App().Document().Form_Load();
        App().Data().show();

        // The options window is loaded once, hidden, so the picture gets its drawing width
        // and mouse pointer before the user sees anything.
        App().Options().hide();
        QCoreApplication::processEvents();
        App().Document().Picture2().SetDrawWidth(App().settings.DotSize);
        App().Document().Picture2().SetPointerIndex(App().settings.PointerIndex);

        mnuViewZoom_Click();
        mnuPictureResetScale_Click();
        App().Options().show();
        Item("mnuPictureScale").setChecked(false);
    } catch (const AppError& error) {
        App().UnloadSplash();
        SetScreenPointer(ScreenPointer::Default);
        ShowErrorReport(error);
    }
}
