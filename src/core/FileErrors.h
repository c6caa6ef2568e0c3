#pragma once

#include "core/AppError.h"

class QFileDevice;

// The error for a failed file operation, with the classic number (61 disk full, 70 permission
// denied, 76 path not found, 75 otherwise) and a description that names the file and gives the
// system's reason.
AppError FileErrorFor(const QFileDevice& file, const QString& path);

// Puts bytes in a file as a whole or not at all: they go to a temporary file next to it that
// takes the file's place only once completely written. Throws the errors above, and 75 for
// a folder.
void WriteWholeFile(const QString& path, const QByteArray& bytes);
