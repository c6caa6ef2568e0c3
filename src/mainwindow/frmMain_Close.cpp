#include "mainwindow/frmMain.h"

#include "core/AppState.h"
#include "document/PictureWriter.h"
#include "table/frmData.h"

#include <QCoreApplication>
#include <QFile>

// Closing the frame closes every other window, letting each one's own closing run, and ends
// the program; nothing here cancels the close.
void frmMain::CloseSequence() {
    // The working file of picture rotation is of no use after the run.
    QFile::remove(RotationWorkingFile());

    for (QWidget* window : App().LoadedToolWindows()) {
        window->close();
        QCoreApplication::processEvents();
    }
    // The points must not be lost on the way out: a save the user asked for that did not
    // happen (dialog cancelled, write failed) asks again.
    while (!App().Data().QueryUnload()) {
    }
    QCoreApplication::processEvents();
    QCoreApplication::quit();
}
