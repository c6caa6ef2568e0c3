#include "windows/main/ProgramApplication.h"

#include "core/AppError.h"

#include <new>
#include <stdexcept>

bool ProgramApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        Report(error);
    } catch (const std::bad_alloc&) {
        Report(OutOfMemoryError());
    } catch (const std::length_error&) {
        Report(OutOfMemoryError());
    }
    return true;
}

void ProgramApplication::Report(const AppError& error) {
    if (m_report) {
        m_report(error);
    } else {
        qWarning("%s", qUtf8Printable(ErrorReportText(error, false)));
    }
}
