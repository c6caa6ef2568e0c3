#include "table/DataFileWriter.h"

#include "core/AppError.h"
#include "core/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

constexpr qsizetype ChunkBytes = 1 << 20;

void WriteRecords(QFileDevice& file, const DataTable& table, DataFileLayout layout,
                  const QString& path) {
    QByteArray chunk;
    chunk.reserve(ChunkBytes + 4096);
    for (const DataTable::Row& row : table.Rows()) {
        AppendRecord(chunk, row, layout);
        if (chunk.size() >= ChunkBytes) {
            if (file.write(chunk) != chunk.size()) {
                throw FileErrorFor(file, path);
            }
            chunk.clear();
        }
    }
    if (file.write(chunk) != chunk.size() || !file.flush()) {
        throw FileErrorFor(file, path);
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
            throw FileErrorFor(file, path);
        }
        WriteRecords(file, table, layout, path);
        file.close();
        if (file.error() != QFileDevice::NoError) {
            throw FileErrorFor(file, path);
        }
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileErrorFor(file, path);
    }
    WriteRecords(file, table, layout, path);
    if (!file.commit()) {
        throw FileErrorFor(file, path);
    }
}
