#pragma once

#include <QString>

class QFile;

// Opening a named file for reading without ever waiting on it. A named pipe, a device or a
// socket blocks an ordinary open (or never ends), and a folder is no file: those are refused.
// The type is checked on the opened handle, so the path cannot change between check and read.

// What the path names when it is no regular file ("a folder", "a named pipe", ...); empty for
// a regular file and for a path that does not exist.
QString NotARegularFile(const QString& path);

// Opens a regular file for reading. False for anything else, with the reason in `problem`
// (what NotARegularFile says, or the system's reason when the file cannot be opened).
bool OpenRegularFile(QFile& file, const QString& path, QString* problem = nullptr);

// True when the path names an existing file or folder.
bool FileExists(const QString& path);
