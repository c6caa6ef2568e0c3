#pragma once

#include <QString>
#include <QStringList>

// Turns the classic "description|pattern|description|pattern" filter list into the entries
// a Qt file dialog shows ("description (pattern)" is kept as the description already names
// its pattern).
QStringList FileFilterEntries(const QString& classicFilter);

// Adds the default extension (with its dot) to a file name that has none.
QString WithDefaultExtension(const QString& path, const QString& defaultExtension);
