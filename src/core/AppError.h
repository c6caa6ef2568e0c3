#pragma once

#include <QString>

// A run-time error that a command reports to the user with the standard error box.
// The numbers follow the classic run-time error numbers users may know from other tools
// (6 overflow, 7 out of memory, 53 file not found, 61 disk full, 70 permission denied, 75 path/file
// access error, 76 path not found).
struct AppError {
    int number = 0;
    QString description;
    QString source;
};

namespace ErrorNumber {
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
} // namespace ErrorNumber

// Builds the text of the standard error box: "Error # " + padded number + " was generated. "
// + CR + description, and the source appended directly when given.
QString ErrorReportText(const AppError& error, bool withSource = false);

// The error of a command whose memory, sized from what the user asked for, cannot be had.
AppError OutOfMemoryError();
