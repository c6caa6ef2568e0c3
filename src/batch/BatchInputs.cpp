#include "batch/BatchInputs.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QStringList PictureNameFilters{
    QStringLiteral("*.bmp"),  QStringLiteral("*.ico"),  QStringLiteral("*.wmf"),
    QStringLiteral("*.jpg"),  QStringLiteral("*.jpeg"), QStringLiteral("*.gif"),
    QStringLiteral("*.png"),  QStringLiteral("*.tif"),  QStringLiteral("*.tiff"),
    QStringLiteral("*.webp"), QStringLiteral("*.pdf"),  QStringLiteral("*.svg")};

} // namespace

QStringList ExpandInputs(const QStringList& inputs) {
    QStringList expanded;
    for (const QString& input : inputs) {
        const QFileInfo info(input);
        if (!info.isDir()) {
            expanded << input;
            continue;
        }
        const QDir folder(input);
        for (const QString& name : folder.entryList(
                 PictureNameFilters, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase)) {
            expanded << folder.filePath(name);
        }
    }
    return expanded;
}

QString ResultName(const QString& path, int page) {
    const QString name = QFileInfo(path).fileName();
    return page > 0 ? QStringLiteral("%1-p%2").arg(name).arg(page) : name;
}
