#include "session/FoundCurves.h"

#include "recognition/CurveFinding.h"
#include "session/CurveReadout.h"
#include "session/Session.h"

namespace {

QString FreeName(const Session& session, const QString& colorName, int except) {
    QString name = colorName;
    for (int n = 2; session.CurveNameProblem(name, except); ++n) {
        name = QStringLiteral("%1 %2").arg(colorName).arg(n);
    }
    return name;
}

} // namespace

FoundCurvesOutcome AddFoundCurves(Session& session, const CurveFinding& finding) {
    FoundCurvesOutcome outcome;
    std::optional<int> first;
    // A fresh session's one empty curve takes the first series rather than standing empty.
    const bool reuseOnlyCurve = session.CurveCount() == 1 && session.Table().PointCount() == 0 &&
                                session.CurrentCurve().name == QStringLiteral("Curve 1");
    for (const FoundCurve& found : finding.curves) {
        const PackedColor color = PackedColor::FromQRgb(found.color);
        if (reuseOnlyCurve && !first) {
            session.RenameCurve(0, FreeName(session, found.colorName, 0));
            session.SetCurveColor(0, color);
        } else if (!session.AddCurve(FreeName(session, found.colorName, -1), color)) {
            ++outcome.notAdded;
            continue;
        }
        if (!first) {
            first = session.CurrentCurveIndex();
        }
        const RecordedPositions recorded = RecordPositions(session, found.points);
        ++outcome.curves;
        outcome.points += recorded.found;
        outcome.skipped += recorded.skipped;
    }
    if (first) {
        session.SetCurrentCurve(*first);
    }
    return outcome;
}
