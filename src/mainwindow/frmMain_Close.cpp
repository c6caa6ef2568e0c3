#include "mainwindow/frmMain.h"

#include "core/AppState.h"
#include "info/frmTip.h"
#include "options/frmOptions.h"
#include "zoom/frmZoom.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

// Closing the frame closes every other window, letting each one's own closing run, and ends
// the program; nothing here cancels the close.
void frmMain::CloseSequence() {
    // The working file of picture rotation is of no use after the run.
    QFile::remove(QDir(QDir::tempPath()).filePath(QStringLiteral("kurvex_tempfile")));

    for (QWidget* window :
         {static_cast<QWidget*>(&App().Zoom()), static_cast<QWidget*>(&App().Options()),
          static_cast<QWidget*>(&App().Tip())}) {
        window->close();
        QCoreApplication::processEvents();
    }
    QCoreApplication::quit();
}
