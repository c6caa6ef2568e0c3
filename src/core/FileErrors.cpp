#include "core/FileErrors.h"

#include "core/RegularFile.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

AppError FileErrorFor(const QFileDevice& file, const QString& path, int systemError) {
    const bool full = systemError == ENOSPC || systemError == EDQUOT;
    const QString reason =
        full ? QString::fromLocal8Bit(std::strerror(systemError)) : file.errorString();
    int number = ErrorNumber::PathFileAccess;
    QString description = QStringLiteral("Path/File access error");
    if (full || reason.contains(QStringLiteral("No space"), Qt::CaseInsensitive) ||
        reason.contains(QStringLiteral("quota"), Qt::CaseInsensitive)) {
        number = ErrorNumber::DiskFull;
        description = QStringLiteral("Disk full");
    } else if (reason.contains(QStringLiteral("ermission"), Qt::CaseInsensitive) ||
               reason.contains(QStringLiteral("read-only"), Qt::CaseInsensitive)) {
        number = ErrorNumber::PermissionDenied;
        description = QStringLiteral("Permission denied");
    } else if (!QFileInfo(path).absoluteDir().exists()) {
        number = ErrorNumber::PathNotFound;
        description = QStringLiteral("Path not found");
    }
    return {number,
            description + QStringLiteral(": ") + QDir::toNativeSeparators(path) +
                QStringLiteral(" (") + reason + QLatin1Char(')'),
            {}};
}

void WriteWholeFile(const QString& path, const QByteArray& bytes) {
    // The new file takes the old one's place by renaming: a device or a pipe would be replaced
    // by a plain file, which no user asking to write to it means.
    if (const QString kind = NotARegularFile(path); !kind.isEmpty()) {
        throw AppError{ErrorNumber::PathFileAccess,
                       QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(" is ") + kind,
                       {}};
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw FileErrorFor(file, path);
    }
}
