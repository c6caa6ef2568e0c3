#include "windows/shared/PointRecording.h"

#include "core/AppError.h"
#include "session/PointValues.h"
#include "windows/shared/ErrorReport.h"

namespace {

template <typename T> void ShowOrRecord(Session& session, Prompts& prompts, T& x, T& y, bool save) {
    try {
        ShowOrRecordPointValues(session, x, y, save);
    } catch (const AppError& error) {
        if (save) {
            ShowErrorReport(session, prompts, error);
        }
    }
}

} // namespace

void ShowOrRecordPoint(Session& session, Prompts& prompts, float& x, float& y, bool save) {
    ShowOrRecord(session, prompts, x, y, save);
}

void ShowOrRecordPoint(Session& session, Prompts& prompts, double& x, double& y, bool save) {
    ShowOrRecord(session, prompts, x, y, save);
}
