#pragma once

#include <QPointF>

#include <optional>

// Turns a position in picture coordinates into data values in place (10 to the power of the
// coordinate on a logarithmic axis), shows them in status panels 3 and 4 and, when save is
// true, appends them to the data table. The values keep the precision of the caller's type:
// a float from the mouse is written with 7 significant digits, a double with 15.
//
// A value that does not fit the caller's type (or that vanishes to 0 on a logarithmic axis)
// ends a recording with the standard error box; a position merely shown leaves the panels as
// they were without a box, since it comes from every mouse move.
void ShowOrRecordPoint(float& x, float& y, bool save);
void ShowOrRecordPoint(double& x, double& y, bool save);

// For batch commands (auto-read), which append their rows at once: the data values of a found
// position as ShowOrRecordPoint computes them in double precision, or nothing when they cannot
// be recorded, so that the batch can skip the position and count it.
std::optional<QPointF> FoundPointValues(double x, double y);
// Shows recorded data values in status panels 3 and 4, as a recording does.
void ShowSavedPoint(double x, double y);
