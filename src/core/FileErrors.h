#pragma once

#include "core/AppError.h"

#include <cerrno>

class QFileDevice;

// The error for a failed file operation, with the classic number (61 disk full, 70 permission
// denied, 76 path not found, 75 otherwise) and a description that names the file and gives the
// system's reason. Qt reports a full disk as "Unknown error" after a short write, so the
// system's own error code is taken too: by default errno as it is where the error is made,
// right after the failed call.
AppError FileErrorFor(const QFileDevice& file, const QString& path, int systemError = errno);

// Puts bytes in a file as a whole or not at all: they go to a temporary file next to it that
// takes the file's place only once completely written. Throws the errors above, and 75 for
// a folder, a device, a pipe or a socket, which renaming would replace.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
