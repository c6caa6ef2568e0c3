#pragma once

#include <QPointF>

#include <optional>

class Session;
struct Settings;

// Turns a position in picture coordinates into data values in place (10 to the power of the
// coordinate on a logarithmic axis), shows them in status texts 3 and 4 and, when save is
// true, appends them to the table. The values keep the precision of the caller's type: a float
// from the mouse is written with 7 significant digits, a double with 15. A value that does not
// fit the caller's type (or that vanishes to 0 on a logarithmic axis) throws AppError 6
// "Overflow" before anything changes.
void ShowOrRecordPointValues(Session& session, float& x, float& y, bool save);
void ShowOrRecordPointValues(Session& session, double& x, double& y, bool save);

// For batch commands (auto-read), which append their rows at once: the data values of a found
// position as a recording computes them in double precision, or nothing when they cannot be
// recorded, so that the batch can skip the position and count it.
std::optional<QPointF> FoundPointValues(const Settings& settings, double x, double y);
// Shows recorded data values in status texts 3 and 4, as a recording does.
void ShowSavedPoint(Session& session, double x, double y);
