#pragma once

// Turns a position in picture coordinates into data values in place (10 to the power of the
// coordinate on a logarithmic axis), shows them in status panels 3 and 4 and, when save is
// true, appends them to the data table. The values keep the precision of the caller's type:
// a float from the mouse is written with 7 significant digits, a double with 15.
// A value that does not fit the caller's type ends the operation with the standard error box.
void ShowOrRecordPoint(float& x, float& y, bool save);
void ShowOrRecordPoint(double& x, double& y, bool save);
