#include "core/ProgramInfo.h"

#include "core/NumberText.h"

QString VersionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(ProgramInfo::Major)
        .arg(ProgramInfo::Minor)
        .arg(ProgramInfo::Revision);
}

QString DescriptionText() {
    return ProgramInfo::Description + QStringLiteral("\r\n\r\nWritten by:\r") +
           ProgramInfo::LegalNotice;
}

QString SplashDateLine(const QDateTime& moment, const QLocale& locale) {
    const QTime time = moment.time();
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString designator = time.hour() < 12 ? locale.amText() : locale.pmText();
    return locale.monthName(moment.date().month(), QLocale::LongFormat) +
           QStringLiteral(" %1, %2 - %3:%4:%5 ")
               .arg(moment.date().day(), 2, 10, QLatin1Char('0'))
               .arg(moment.date().year(), 4, 10, QLatin1Char('0'))
               .arg(hour12, 2, 10, QLatin1Char('0'))
               .arg(time.minute(), 2, 10, QLatin1Char('0'))
               .arg(time.second(), 2, 10, QLatin1Char('0')) +
           designator;
}

QString ScannerVersionText(int easyVersion) {
    return QStringLiteral("SANE v. %1.%2").arg(easyVersion / 100).arg(easyVersion % 100);
}
