#include "core/ErrorReport.h"

#include "core/AppState.h"
#include "core/ScreenPointer.h"
#include "platform/Prompts.h"

void ShowErrorReport(const AppError& error, bool withSource) {
    SetScreenPointer(ScreenPointer::Arrow);
    App().MsgText = ErrorReportText(error, withSource);
    App().prompts().ShowMessage(App().MsgText, QStringLiteral("Error"), MessageIcon::Exclamation,
                                MessageButtons::Ok);
    SetScreenPointer(ScreenPointer::Default);
}
