#include "session/ReferenceFit.h"

#include "core/Calibration.h"
#include "core/NumberText.h"
#include "session/Session.h"

#include <cmath>

namespace {

ReferencePoint InPixels(const UserCoordinates& neutral, double xPos, double yPos, double x,
                        double y) {
    return {neutral.ToPixel(QPointF(xPos, yPos)), x, y};
}

} // namespace

std::vector<ReferencePoint> SessionReferencePoints(const Session& session) {
    // Reference points are marked in the neutral frame of the picture they were clicked on.
    const UserCoordinates neutral(NeutralFrame, session.Picture().Picture().size());
    const CalibrationRecord& r = session.calibration;
    std::vector<ReferencePoint> points{InPixels(neutral, r.XPos1, r.YPos1, r.X1, r.Y1),
                                       InPixels(neutral, r.XPos2, r.YPos2, r.X2, r.Y2)};
    for (const ExtraReference& extra : session.moreReferences) {
        points.push_back(InPixels(neutral, extra.XPos, extra.YPos, extra.X, extra.Y));
    }
    return points;
}

FitChoice ChosenFit(const Session& session) {
    switch (session.settings.ReferenceFit) {
    case 1:
        return FitChoice::Affine;
    case 2:
        return FitChoice::Projective;
    default:
        return FitChoice::Automatic;
    }
}

FitOutcome FitSessionReferences(const Session& session) {
    return FitReferencePoints(SessionReferencePoints(session), session.settings.XLog,
                              session.settings.YLog, ChosenFit(session));
}

std::optional<int> MistypedReference(const Session& session) {
    return LikelyMistyped(SessionReferencePoints(session), session.settings.XLog,
                          session.settings.YLog, ChosenFit(session));
}

FitOutcome ApplyReferenceFit(Session& session) {
    const bool xLog = session.settings.XLog;
    const bool yLog = session.settings.YLog;
    FitOutcome outcome = FitSessionReferences(session);
    if (!outcome.fit) {
        return outcome;
    }
    CalibrationRecord& r = session.calibration;
    r.X1 = ToPictureX(r.X1, xLog);
    r.X2 = ToPictureX(r.X2, xLog);
    r.Y1 = ToPictureY(r.Y1, yLog);
    r.Y2 = ToPictureY(r.Y2, yLog);
    for (ExtraReference& extra : session.moreReferences) {
        extra.X = ToPictureX(extra.X, xLog);
        extra.Y = ToPictureY(extra.Y, yLog);
    }
    const QTransform& map = outcome.fit->pixelToValue;
    const QSize size = session.Picture().Picture().size();
    // The values at the picture's edges, along its left and bottom sides.
    r.LeftX = map.map(QPointF(0, size.height())).x();
    r.RightX = map.map(QPointF(size.width(), size.height())).x();
    r.BottomY = map.map(QPointF(0, size.height())).y();
    r.TopY = map.map(QPointF(0, 0)).y();
    session.Picture().SetFittedScale(r.Edges(), map);
    return outcome;
}

std::optional<QTransform> RefitApplied(const Session& session) {
    if (session.moreReferences.empty()) {
        return std::nullopt;
    }
    const FitOutcome outcome =
        FitReferencePoints(SessionReferencePoints(session), false, false, ChosenFit(session));
    if (!outcome.fit) {
        return std::nullopt;
    }
    return outcome.fit->pixelToValue;
}

void SetReferencePoints(Session& session, const std::vector<ExtraReference>& points) {
    if (points.size() < 2) {
        return;
    }
    CalibrationRecord& r = session.calibration;
    r.XPos1 = points[0].XPos;
    r.YPos1 = points[0].YPos;
    r.X1 = points[0].X;
    r.Y1 = points[0].Y;
    r.XPos2 = points[1].XPos;
    r.YPos2 = points[1].YPos;
    r.X2 = points[1].X;
    r.Y2 = points[1].Y;
    session.moreReferences.assign(points.begin() + 2, points.end());
}

void DropReferencePoint(Session& session, int index) {
    const CalibrationRecord& r = session.calibration;
    std::vector<ExtraReference> all{{r.XPos1, r.YPos1, r.X1, r.Y1}, {r.XPos2, r.YPos2, r.X2, r.Y2}};
    all.insert(all.end(), session.moreReferences.begin(), session.moreReferences.end());
    if (index < 0 || static_cast<std::size_t>(index) >= all.size() || all.size() <= 2) {
        return;
    }
    all.erase(all.begin() + index);
    SetReferencePoints(session, all);
}

QString ResidualTable(const CalibrationFit& fit) {
    QString table = fit.kind == FitKind::Affine ? QStringLiteral("Affine fit")
                                                : QStringLiteral("Projective fit");
    table += QStringLiteral(", distance of each point from where its values land:");
    for (std::size_t i = 0; i < fit.residuals.size(); ++i) {
        table += QStringLiteral("\r\nPoint %1: %2 px")
                     .arg(i + 1)
                     .arg(PlainNumberText(std::round(fit.residuals[i] * 100) / 100));
        if (fit.residuals[i] > SuspectResidual) {
            table += QStringLiteral("  (likely a mistyped value)");
        }
    }
    return table;
}
