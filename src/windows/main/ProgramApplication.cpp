#include "windows/main/ProgramApplication.h"

#include "core/AppError.h"
#include "windows/shared/ErrorReport.h"

#include <new>
#include <stdexcept>

bool ProgramApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        ShowErrorReport(error);
    } catch (const std::bad_alloc&) {
        ShowErrorReport(OutOfMemoryError());
    } catch (const std::length_error&) {
        ShowErrorReport(OutOfMemoryError());
    }
    return true;
}
