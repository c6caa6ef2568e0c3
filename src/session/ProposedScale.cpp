#include "session/ProposedScale.h"

#include "core/Calibration.h"
#include "picture/UserCoordinates.h"
#include "recognition/AxesCalibration.h"
#include "session/ReferenceFit.h"
#include "session/Session.h"

bool ApplyProposedCalibration(Session& session, const ProposedCalibration& proposal) {
    if (proposal.references.size() < 2) {
        return false;
    }
    const CalibrationRecord keptRecord = session.calibration;
    const std::vector<ExtraReference> keptMore = session.moreReferences;
    const Settings keptSettings = session.settings;
    SessionPicture& picture = session.Picture();
    // Reference points are held in the neutral frame of the picture.
    const UserCoordinates neutral(NeutralFrame, picture.Picture().size());
    std::vector<ExtraReference> points;
    for (const ProposedReference& reference : proposal.references) {
        const QPointF position = neutral.ToUser(reference.pixel);
        points.push_back({position.x(), position.y(), reference.x, reference.y});
    }
    SetReferencePoints(session, points);
    CalibrationRecord& r = session.calibration;
    session.MorePointsWanted = false;
    session.settings.XLog = proposal.xLog;
    session.settings.YLog = proposal.yLog;
    picture.SetScale(NeutralFrame);
    bool applied = false;
    if (!session.moreReferences.empty()) {
        applied = ApplyReferenceFit(session).fit.has_value();
    } else if (CalibrateRecord(r, proposal.xLog, proposal.yLog) == CalibrationVerdict::Applied) {
        picture.SetScale(r.Edges());
        applied = true;
    }
    if (!applied) {
        session.calibration = keptRecord;
        session.moreReferences = keptMore;
        session.settings = keptSettings;
        if (const std::optional<QTransform> fitted = RefitApplied(session)) {
            picture.SetFittedScale(keptRecord.Edges(), *fitted);
        } else {
            picture.SetScale(keptRecord.Edges());
        }
        return false;
    }
    picture.Erase();
    session.SettingsEdited();
    return true;
}
