#include "core/ErrorReport.h"

#include "core/AppState.h"
#include "core/ScreenPointer.h"
#include "platform/Prompts.h"

#include <new>
#include <stdexcept>

void ShowErrorReport(const AppError& error, bool withSource) {
    SetScreenPointer(ScreenPointer::Arrow);
    App().MsgText = ErrorReportText(error, withSource);
    App().prompts().ShowMessage(App().MsgText, QStringLiteral("Error"), MessageIcon::Exclamation,
                                MessageButtons::Ok);
    SetScreenPointer(ScreenPointer::Default);
}

void RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        ShowErrorReport(OutOfMemoryError());
    } catch (const std::length_error&) {
        ShowErrorReport(OutOfMemoryError());
    }
}
