#include "mainwindow/frmMain.h"

#include "core/AppState.h"
#include "core/ErrorReport.h"
#include "core/ScreenPointer.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "options/frmOptions.h"
#include "table/frmData.h"
#include "zoom/frmZoom.h"

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
