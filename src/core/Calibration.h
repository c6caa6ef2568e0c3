#pragma once

#include "core/CalibrationRecord.h"

#include <QString>

double Log10(double value);

// Data value -> picture coordinate: log10 on a logarithmic axis, the value itself otherwise.
double ToPictureX(double x, bool xLog);
double ToPictureY(double y, bool yLog);

enum class CalibrationVerdict {
    Applied,
    ReferenceMissing, // a reference X value was never typed
    SimilarValues,    // equal values, or both points on one vertical or horizontal line
    LogNonPositive,   // zero or negative value on a logarithmic axis
};

// Checks the two reference points and, when they are usable, converts the values of a
// logarithmic axis to log10 and computes the four edge values in the record. A refused
// calibration leaves the record as it was.
//
// The edges are the straight line through (XPos1, X1) and (XPos2, X2) taken at neutral
// x = 0 and x = 10, and likewise for y at neutral y = 0 (bottom) and 10 (top).
CalibrationVerdict CalibrateRecord(CalibrationRecord& record, bool xLog, bool yLog);

// Puts the edges back to the neutral frame and forgets both reference X values; the Y values
// and positions stay.
void ResetCalibration(CalibrationRecord& record);

struct CalibrationMessage {
    QString text;
    QString title;
    bool information = false; // information icon; otherwise exclamation
};

// The box that explains a refused calibration.
CalibrationMessage RefusalMessage(CalibrationVerdict verdict);
