#include "core/SharedRoutines.h"

#include "core/AppState.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

void PlayResourceSound(int resourceId) {
    QFile resource(QStringLiteral(":/sounds/%1.wav").arg(resourceId));
    if (resource.open(QIODevice::ReadOnly)) {
        // Kept in the state so the bytes outlive the asynchronous playback.
        App().SoundData = resource.readAll();
        App().sound().Play(App().SoundData);
    }
    QCoreApplication::processEvents();
}

bool FileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

int ShellOpen(const QString& file, const QString& parameters, int /*showCommand*/,
              const QString& workingFolder, const QString& verb) {
    return App().shell().Open(file, parameters, workingFolder, verb);
}

void ResetDocument() {
    App().session.ResetDocument();
}
