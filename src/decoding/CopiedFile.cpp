#include "decoding/CopiedFile.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

QString CopiedFile(const QMimeData* data) {
    if (data == nullptr) {
        return {};
    }
    if (data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                return url.toLocalFile();
            }
        }
        return {};
    }
    if (!data->hasText()) {
        return {};
    }
    const QString text = data->text().trimmed();
    if (text.contains(QLatin1Char('\n'))) {
        return {};
    }
    const QUrl url(text);
    if (url.isLocalFile()) {
        return url.toLocalFile();
    }
    const QFileInfo file(text);
    return file.isAbsolute() && file.isFile() ? text : QString();
}
