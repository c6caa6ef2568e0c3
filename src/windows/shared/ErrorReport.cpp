#include "windows/shared/ErrorReport.h"

#include "platform/Prompts.h"
#include "windows/shared/AppState.h"
#include "windows/shared/ScreenPointer.h"

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
