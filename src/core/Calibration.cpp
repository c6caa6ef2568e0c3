#include "core/Calibration.h"

#include <cmath>

double Log10(double value) {
    return std::log(value) / std::log(10.0);
}

double ToPictureX(double x, bool xLog) {
    return xLog ? Log10(x) : x;
}

double ToPictureY(double y, bool yLog) {
    return yLog ? Log10(y) : y;
}

void ResetCalibration(CalibrationRecord& record) {
    record.LeftX = NeutralFrame.Left;
    record.TopY = NeutralFrame.Top;
    record.RightX = NeutralFrame.Right;
    record.BottomY = NeutralFrame.Bottom;
    record.X1 = Unset;
    record.X2 = Unset;
}

CalibrationVerdict CalibrateRecord(CalibrationRecord& record, bool xLog, bool yLog) {
    CalibrationRecord& r = record;
    if (r.X1 == Unset || r.X2 == Unset) {
        return CalibrationVerdict::ReferenceMissing;
    }
    // Points on one vertical (or horizontal) line would make the edge formulas divide by zero.
    if (r.X1 == r.X2 || r.Y1 == r.Y2 || r.XPos1 == r.XPos2 || r.YPos1 == r.YPos2) {
        return CalibrationVerdict::SimilarValues;
    }
    if ((xLog && !(r.X1 > 0 && r.X2 > 0)) || (yLog && !(r.Y1 > 0 && r.Y2 > 0))) {
        return CalibrationVerdict::LogNonPositive;
    }

    CalibrationRecord c = r;
    if (xLog) {
        c.X1 = Log10(c.X1);
        c.X2 = Log10(c.X2);
    }
    if (yLog) {
        c.Y1 = Log10(c.Y1);
        c.Y2 = Log10(c.Y2);
    }
    c.LeftX = c.X1 - ((c.X1 - c.X2) * c.XPos1) / (c.XPos1 - c.XPos2);
    c.BottomY = c.Y1 - ((c.Y1 - c.Y2) * c.YPos1) / (c.YPos1 - c.YPos2);
    c.RightX = c.X1 - ((c.XPos1 - 10) * (c.X1 - c.X2)) / (c.XPos1 - c.XPos2);
    c.TopY = c.Y1 - ((c.YPos1 - 10) * (c.Y1 - c.Y2)) / (c.YPos1 - c.YPos2);

    // Values near the ends of the double range can still give edges that are not numbers or
    // coincide; such a frame would map every position to one value.
    const bool usable = std::isfinite(c.LeftX) && std::isfinite(c.RightX) &&
                        std::isfinite(c.TopY) && std::isfinite(c.BottomY) && c.LeftX != c.RightX &&
                        c.TopY != c.BottomY;
    if (!usable) {
        return CalibrationVerdict::SimilarValues;
    }
    r = c;
    return CalibrationVerdict::Applied;
}

CalibrationMessage RefusalMessage(CalibrationVerdict verdict) {
    const QString crlf = QStringLiteral("\r\n");
    switch (verdict) {
    case CalibrationVerdict::ReferenceMissing:
        return {QStringLiteral("You have not scaled properly the picture.") + crlf +
                    QStringLiteral("Default values will be used"),
                QStringLiteral("Scale Mode"), false};
    case CalibrationVerdict::SimilarValues:
        return {QStringLiteral("Selected points have at least one similar value.") + crlf +
                    QStringLiteral("You should select two different points to scale the "
                                   "picture properly.") +
                    crlf + QStringLiteral("Default values will be used"),
                QStringLiteral("Scale Mode"), false};
    case CalibrationVerdict::LogNonPositive:
        return {QStringLiteral("Zero or Negative values cannot be used in a Log Axis."),
                QStringLiteral("Scaling Error"), true};
    case CalibrationVerdict::Applied:
        break;
    }
    return {};
}
