#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// What the program tells about itself in the about box and the splash window.
namespace ProgramInfo {
inline constexpr int Major = 4;
inline constexpr int Minor = 2;
inline constexpr int Revision = 0;
inline const QString Title = QStringLiteral("Kurvex");
inline const QString Description =
    QStringLiteral("This program was written to help gathering values from images.");
inline const QString Company = QStringLiteral("Norvane");
inline const QString LegalNotice = QStringLiteral("The Kurvex developers");
inline const QString MailAddress = QStringLiteral("kurvex@norvane.example");
inline const QString Warning = QStringLiteral(
    "Warning:  This application is provided as is. No warranties are extended by Norvane to the "
    "user of this application. In no event shall Norvane be liable for any incidental, "
    "consequential, indirect, punitive, or special damages incurred or suffered by the user of "
    "this application.");
} // namespace ProgramInfo

// "Version 4.2.0".
QString VersionText();

// The about box's description: the file description, a blank line, "Written by:", a lone
// carriage return and the legal notice.
QString DescriptionText();

// "March 05, 2026 - 02:07:09 PM": full month name, two-digit day, four-digit year, 12-hour
// clock with the locale's AM/PM designator.
QString SplashDateLine(const QDateTime& moment, const QLocale& locale);

// The scanner library line: "SANE v." and its major and minor version (the version is
// major x 100 + minor).
QString ScannerVersionText(int easyVersion);
