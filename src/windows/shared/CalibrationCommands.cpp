#include "windows/shared/CalibrationCommands.h"

#include "core/Calibration.h"
#include "platform/Prompts.h"
#include "session/ReferenceFit.h"
#include "session/Session.h"

void ApplyCalibration(Session& session, Prompts& prompts) {
    SessionPicture& picture = session.Picture();
    picture.SetScale(NeutralFrame);
    picture.Erase();
    if (!session.moreReferences.empty()) {
        const FitOutcome outcome = ApplyReferenceFit(session);
        if (!outcome.fit) {
            prompts.ShowMessage(outcome.refusal + QStringLiteral("\r\nDefault values will be used"),
                                QStringLiteral("Scale Mode"), MessageIcon::Exclamation,
                                MessageButtons::Ok);
        }
        return;
    }
    const CalibrationVerdict verdict =
        CalibrateRecord(session.calibration, session.settings.XLog, session.settings.YLog);
    if (verdict != CalibrationVerdict::Applied) {
        const CalibrationMessage message = RefusalMessage(verdict);
        prompts.ShowMessage(message.text, message.title,
                            message.information ? MessageIcon::Information
                                                : MessageIcon::Exclamation,
                            MessageButtons::Ok);
        return;
    }
    picture.SetScale(session.calibration.Edges());
}
