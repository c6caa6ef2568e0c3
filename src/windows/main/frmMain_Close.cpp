#include "windows/main/frmMain.h"

#include "windows/data/frmData.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/AppState.h"

#include <QCoreApplication>

// Closing the frame first offers to save a changed project and the table (the user may choose to
// stay), then closes every other window, letting each one's own closing run, and ends the program.
bool frmMain::CloseSequence() {
    if (!QuerySaveProject() || !App().Data().QueryUnload()) {
        return false;
    }
    App().Document().ForgetPictureBeforeRotation();
    for (QWidget* window : App().LoadedToolWindows()) {
        window->close();
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    QCoreApplication::quit();
    return true;
}
