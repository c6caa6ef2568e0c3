#include "core/Calibration.h"

#include <gtest/gtest.h>

namespace {

// Reference points at neutral (2, 3) and (8, 7).
CalibrationRecord TwoPoints(double x1, double y1, double x2, double y2) {
    CalibrationRecord record;
    record.XPos1 = 2;
    record.YPos1 = 3;
    record.X1 = x1;
    record.Y1 = y1;
    record.XPos2 = 8;
    record.YPos2 = 7;
    record.X2 = x2;
    record.Y2 = y2;
    return record;
}

TEST(Calibration, RefusalsLeaveTheRecordAsItWas) {
    struct Case {
        CalibrationRecord record;
        bool xLog;
        bool yLog;
        CalibrationVerdict verdict;
    };
    CalibrationRecord onlyOne = TwoPoints(100, 50, Unset, 90);
    CalibrationRecord sameX = TwoPoints(100, 50, 100, 90);
    CalibrationRecord sameY = TwoPoints(100, 50, 400, 50);
    CalibrationRecord sameColumn = TwoPoints(100, 50, 400, 90);
    sameColumn.XPos2 = sameColumn.XPos1;
    CalibrationRecord sameRow = TwoPoints(100, 50, 400, 90);
    sameRow.YPos2 = sameRow.YPos1;
    const Case cases[] = {
        {onlyOne, false, false, CalibrationVerdict::ReferenceMissing},
        {TwoPoints(Unset, 50, 400, 90), false, false, CalibrationVerdict::ReferenceMissing},
        {sameX, false, false, CalibrationVerdict::SimilarValues},
        {sameY, false, false, CalibrationVerdict::SimilarValues},
        {sameColumn, false, false, CalibrationVerdict::SimilarValues},
        {sameRow, false, false, CalibrationVerdict::SimilarValues},
        {TwoPoints(100, 0, 400, 90), false, true, CalibrationVerdict::LogNonPositive},
        {TwoPoints(-10, 5, 400, 90), true, false, CalibrationVerdict::LogNonPositive},
        {TwoPoints(10, 5, 0, 90), true, false, CalibrationVerdict::LogNonPositive},
        {TwoPoints(1e308, 5, -1e308, 90), false, false, CalibrationVerdict::SimilarValues},
    };
    for (const auto& c : cases) {
        CalibrationRecord record = c.record;
        EXPECT_EQ(CalibrateRecord(record, c.xLog, c.yLog), c.verdict);
        EXPECT_EQ(record.X1, c.record.X1);
        EXPECT_EQ(record.Y1, c.record.Y1);
        EXPECT_EQ(record.Edges(), NeutralFrame);
    }
}

} // namespace
