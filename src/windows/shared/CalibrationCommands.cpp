#include "windows/shared/CalibrationCommands.h"

#include "core/Calibration.h"
#include "platform/Prompts.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/AppState.h"

void ApplyCalibration() {
    PictureSurface& picture = App().Document().Picture2();
    picture.SetScale(NeutralFrame);
    picture.Erase();
    const CalibrationVerdict verdict =
        CalibrateRecord(App().calibration, App().settings.XLog, App().settings.YLog);
    if (verdict != CalibrationVerdict::Applied) {
        const CalibrationMessage message = RefusalMessage(verdict);
        App().prompts().ShowMessage(message.text, message.title,
                                    message.information ? MessageIcon::Information
                                                        : MessageIcon::Exclamation,
                                    MessageButtons::Ok);
        return;
    }
    picture.SetScale(App().calibration.Edges());
}
