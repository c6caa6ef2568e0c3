#include "table/DataFileWriter.h"

#include "core/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

constexpr qsizetype ChunkBytes = 1 << 20;

[[noreturn]] void ThrowFileError(const QFileDevice& file, const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    const QString reason = file.errorString();
    const QFileInfo info(path);
    int number = ErrorNumber::PathFileAccess;
    QString description = QStringLiteral("Path/File access error");
    if (reason.contains(QStringLiteral("No space"), Qt::CaseInsensitive) ||
        reason.contains(QStringLiteral("quota"), Qt::CaseInsensitive)) {
        number = ErrorNumber::DiskFull;
        description = QStringLiteral("Disk full");
    } else if (reason.contains(QStringLiteral("ermission"), Qt::CaseInsensitive) ||
               reason.contains(QStringLiteral("read-only"), Qt::CaseInsensitive)) {
        number = ErrorNumber::PermissionDenied;
        description = QStringLiteral("Permission denied");
    } else if (!info.absoluteDir().exists()) {
        number = ErrorNumber::PathNotFound;
        description = QStringLiteral("Path not found");
    }
    throw AppError{number,
                   description + QStringLiteral(": ") + native + QStringLiteral(" (") + reason +
                       QLatin1Char(')'),
                   {}};
}

void WriteRecords(QFileDevice& file, const DataTable& table, DataFileLayout layout,
                  const QString& path) {
    QByteArray chunk;
    chunk.reserve(ChunkBytes + 4096);
    for (const DataTable::Row& row : table.Rows()) {
        AppendRecord(chunk, row, layout);
        if (chunk.size() >= ChunkBytes) {
            if (file.write(chunk) != chunk.size()) {
                ThrowFileError(file, path);
            }
            chunk.clear();
        }
    }
    if (file.write(chunk) != chunk.size() || !file.flush()) {
        ThrowFileError(file, path);
    }
}

} // namespace

void WriteDataFile(const DataTable& table, const QString& path, DataFileLayout layout,
                   WriteMode mode) {
    const QFileInfo info(path);
    if (info.isDir()) {
        throw AppError{ErrorNumber::PathFileAccess,
                       QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(" is a folder"),
                       {}};
    }
    // Devices and pipes cannot be replaced by renaming; they are written in place.
    const bool inPlace = mode == WriteMode::Append || (info.exists() && !info.isFile());
    if (inPlace) {
        QFile file(path);
        const QIODevice::OpenMode openMode = mode == WriteMode::Append
                                                 ? QIODevice::Append
                                                 : QIODevice::WriteOnly | QIODevice::Truncate;
        if (!file.open(openMode)) {
            ThrowFileError(file, path);
        }
        WriteRecords(file, table, layout, path);
        file.close();
        if (file.error() != QFileDevice::NoError) {
            ThrowFileError(file, path);
        }
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ThrowFileError(file, path);
    }
    WriteRecords(file, table, layout, path);
    if (!file.commit()) {
        ThrowFileError(file, path);
    }
}
