#pragma once

#include "core/CalibrationFit.h"
#include "core/CalibrationRecord.h"

class Session;

// Every reference point of the session's calibration (1, 2, then More Points) in picture
// pixels, with its values as the record holds them.
std::vector<ReferencePoint> SessionReferencePoints(const Session& session);

// The fit the options choose.
FitChoice ChosenFit(const Session& session);

// The fit of the session's reference points as they were typed, before it is applied.
FitOutcome FitSessionReferences(const Session& session);

// The reference point the user most likely mistyped (see LikelyMistyped), or nothing.
std::optional<int> MistypedReference(const Session& session);

// Fits the session's reference points (three or more) and, when they fit, gives the picture the
// fitted map: the values of a logarithmic axis become their log10, as the two-point rule does,
// and the edges become the values at the picture's edges. Refused, nothing changes.
FitOutcome ApplyReferenceFit(Session& session);

// The fitted map of reference points already applied (an opened project), or nothing.
std::optional<QTransform> RefitApplied(const Session& session);

// Makes these the calibration's reference points, as typed: the first two the record's, the
// others those of More Points. Fewer than two change nothing.
void SetReferencePoints(Session& session, const std::vector<ExtraReference>& points);

// Forgets reference point `index` (from 0): the points after it move up, so that points 1 and
// 2 stay the record's.
void DropReferencePoint(Session& session, int index);

// The residual table shown after each reference point from the third: one line per point.
QString ResidualTable(const CalibrationFit& fit);
