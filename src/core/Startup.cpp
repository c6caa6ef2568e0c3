#include "core/Startup.h"
#include "info/ProgramInfo.h"

#include "core/AppState.h"
#include "core/ErrorReport.h"
#include "core/ScreenPointer.h"
#include "core/SharedRoutines.h"
#include "document/frmDocument.h"
#include "info/frmSplash.h"
#include "mainwindow/ToolbarIcons.h"
#include "mainwindow/frmMain.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <new>

bool InitCommonControls() {
    return true;
}

namespace {

void ShowMaximized(frmMain& main) {
    // Without a window manager a maximised window is not sized for us, so give it the
    // screen's room first.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        main.setGeometry(screen->availableGeometry());
    }
    main.showMaximized();
}

} // namespace

void Main() {
    try {
        InitCommonControls();
        QGuiApplication::setWindowIcon(ProgramIcon());
        App().Splash().ShowNow();
        PlayResourceSound(StartSound);
        QCoreApplication::processEvents();
        frmMain& main = App().MainForm();
        main.Form_Load();
        ShowMaximized(main);
        main.KeepToolWindowsInFront();
        main.mnuViewSteps_Click();
        if (App().SplashLoaded()) {
            // Topmost until it goes, also where no window manager keeps it there.
            App().Splash().raise();
            App().Splash().WaitAndClose();
            App().UnloadSplash();
            // The picture window comes forward as the splash goes.
            main.ActivateChildWindow(&App().Document());
        }
        main.raise();
        main.activateWindow();
    } catch (const AppError& error) {
        App().UnloadSplash();
        ShowErrorReport(error, true);
    } catch (const std::bad_alloc&) {
        App().UnloadSplash();
        ShowErrorReport({7, QStringLiteral("Out of memory"), ProgramInfo::Title}, true);
    }
}
