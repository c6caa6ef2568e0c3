#include "app/Startup.h"
#include "core/ProgramInfo.h"

#include "app/AppState.h"
#include "decoding/DecoderProcess.h"
#include "decoding/PdfPages.h"
#include "project/ProjectFile.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmSplash.h"
#include "windows/main/ToolbarIcons.h"
#include "windows/main/frmMain.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ResourceSounds.h"
#include "windows/shared/ScreenPointer.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <new>
#include <optional>

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

// A PDF asks for its page and a project may ask to save the table: both wait until the
// splash has gone.
bool OpensAfterTheSplash(const QString& path) {
    return IsPdfFile(path) || IsProjectFile(path);
}

// Decodes and shows the picture named at the start; its error, if any, waits for the splash
// to go, as a box behind a splash that stays on top would hold up the start unseen.
std::optional<AppError> OpenStartPicture(frmMain& main, const QString& path) {
    if (path.isEmpty() || OpensAfterTheSplash(path)) {
        return std::nullopt;
    }
    try {
        // Nobody can cancel here: the child's own limits end a decoding that hangs.
        if (const std::optional<LoadedPicture> loaded = DecodeInChildProcess(path, DecodeWait{})) {
            main.TakeImportedPicture(path, *loaded);
        }
        return std::nullopt;
    } catch (const AppError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return AppError{ErrorNumber::OutOfMemory, QStringLiteral("Out of memory: ") + path, {}};
    }
}

} // namespace

void Main(AppState& app, const QString& pictureFile) {
    try {
        InitCommonControls();
        QGuiApplication::setWindowIcon(ProgramIcon());
        app.Splash().ShowNow();
        PlayResourceSound(app.sound(), StartSound);
        QCoreApplication::processEvents();
        frmMain& main = app.MainForm();
        main.Form_Load();
        ShowMaximized(main);
        main.KeepToolWindowsInFront();
        main.mnuViewSteps_Click();
        const std::optional<AppError> pictureError = OpenStartPicture(main, pictureFile);
        if (app.SplashLoaded()) {
            // Topmost until it goes, also where no window manager keeps it there.
            app.Splash().raise();
            app.Splash().WaitAndClose();
            app.UnloadSplash();
            // The picture window comes forward as the splash goes.
            main.ActivateChildWindow(&app.Document());
        }
        main.raise();
        main.activateWindow();
        if (pictureError) {
            ShowErrorReport(app.session, app.prompts(), *pictureError);
        } else if (!pictureFile.isEmpty() && OpensAfterTheSplash(pictureFile)) {
            main.ImportPictureFile(pictureFile);
        }
    } catch (const AppError& error) {
        app.UnloadSplash();
        ShowErrorReport(app.session, app.prompts(), error, true);
    } catch (const std::bad_alloc&) {
        app.UnloadSplash();
        ShowErrorReport(app.session, app.prompts(),
                        {7, QStringLiteral("Out of memory"), ProgramInfo::Title}, true);
    }
}
