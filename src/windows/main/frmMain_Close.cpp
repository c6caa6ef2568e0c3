#include "windows/main/frmMain.h"

#include "session/Session.h"
#include "windows/data/frmData.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/WindowSet.h"

#include <QCoreApplication>

// Closing the frame first offers to save a changed project and the table (the user may choose to
// stay), then closes every other window, letting each one's own closing run, and ends the program.
bool frmMain::CloseSequence() {
    if (!QuerySaveProject() || !m_windows.Data().QueryUnload()) {
        return false;
    }
    m_windows.Document().ForgetPictureBeforeRotation();
    for (QWidget* window : m_windows.LoadedToolWindows()) {
        window->close();
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    QCoreApplication::quit();
    return true;
}
