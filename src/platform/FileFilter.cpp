#include "platform/FileFilter.h"

#include <QFileInfo>

QStringList FileFilterEntries(const QString& classicFilter) {
    const QStringList parts = classicFilter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of an entry.
        if (!description.endsWith(QLatin1Char(')'))) {
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        } else if (!description.contains(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
        entries << description;
    }
    return entries;
}

QString WithDefaultExtension(const QString& path, const QString& defaultExtension) {
    if (path.isEmpty() || defaultExtension.isEmpty() || !QFileInfo(path).suffix().isEmpty()) {
        return path;
    }
    return defaultExtension.startsWith(QLatin1Char('.'))
               ? path + defaultExtension
               : path + QLatin1Char('.') + defaultExtension;
}
