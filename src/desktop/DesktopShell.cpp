#include "desktop/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

int DesktopShell::Open(const QString& fileOrAddress, const QString& /*parameters*/,
                       const QString& workingFolder, const QString& /*verb*/) {
    if (fileOrAddress.isEmpty()) {
        return Refused;
    }
    const QString folder = workingFolder.isEmpty() ? QDir::currentPath() : workingFolder;
    const QUrl url = QUrl::fromUserInput(fileOrAddress, folder, QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url) ? Success : Refused;
}
