#include "windows/shared/ErrorReport.h"

#include "platform/Prompts.h"
#include "session/Session.h"
#include "windows/shared/ScreenPointer.h"

#include <new>
#include <stdexcept>

void ShowErrorReport(Session& session, Prompts& prompts, const AppError& error, bool withSource) {
    SetScreenPointer(ScreenPointer::Arrow);
    session.MsgText = ErrorReportText(error, withSource);
    prompts.ShowMessage(session.MsgText, QStringLiteral("Error"), MessageIcon::Exclamation,
                        MessageButtons::Ok);
    SetScreenPointer(ScreenPointer::Default);
}

void RunCommand(Session& session, Prompts& prompts, const std::function<void()>& command) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        ShowErrorReport(session, prompts, OutOfMemoryError());
    } catch (const std::length_error&) {
        ShowErrorReport(session, prompts, OutOfMemoryError());
    }
}
