#include "core/AppError.h"

#include "core/NumberText.h"

QString ErrorReportText(const AppError& error, bool withSource) {
    QString text = QStringLiteral("Error # ") +
                   PaddedNumberText(static_cast<double>(error.number)) +
                   QStringLiteral(" was generated. ") + QChar(13) + error.description;
    if (withSource) {
        text += error.source;
    }
    return text;
}

AppError OutOfMemoryError() {
    return {ErrorNumber::OutOfMemory,
            QStringLiteral("Out of memory: the command needs more memory than the computer can "
                           "give. Try a smaller number of points or a smaller picture."),
            {}};
}
