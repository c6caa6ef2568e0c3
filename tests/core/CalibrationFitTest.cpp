#include "core/CalibrationFit.h"

#include "core/Calibration.h"
#include "picture/UserCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double Pi = 3.14159265358979323846;

// A plot's axes as a scanner saw them: value space to pixels, turned by `degrees` and sheared.
QTransform ScannedAxes(double degrees, double shear) {
    const double r = degrees * Pi / 180;
    // 100 values over 1600 pixels on x, 50 over 1000 pixels on y (upwards), origin at (200, 1200).
    const QTransform scale(16, 0, 0, -20, 0, 0);
    const QTransform sheared(1, 0, shear, 1, 0, 0);
    const QTransform turned(std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0);
    return scale * sheared * turned * QTransform::fromTranslate(200, 1200);
}

ReferencePoint Tick(const QTransform& valuesToPixels, double x, double y) {
    return {valuesToPixels.map(QPointF(x, y)), x, y};
}

double PixelError(const QTransform& pixelToValue, const QTransform& valuesToPixels, QPointF value) {
    const QPointF pixel = valuesToPixels.map(value);
    const QPointF read = pixelToValue.map(pixel);
    const QPointF back = valuesToPixels.map(read);
    return std::hypot(back.x() - pixel.x(), back.y() - pixel.y());
}

} // namespace

TEST(CalibrationFit, FourTicksOfATurnedAndShearedPlotReadEveryPointExactly) {
    const QTransform axes = ScannedAxes(2, 0.01);
    const std::vector<ReferencePoint> ticks = {Tick(axes, 0, 0), Tick(axes, 100, 0),
                                               Tick(axes, 0, 50), Tick(axes, 100, 50)};
    const FitOutcome outcome = FitReferencePoints(ticks, false, false, FitChoice::Automatic);
    ASSERT_TRUE(outcome.fit) << outcome.refusal.toStdString();
    EXPECT_EQ(outcome.fit->kind, FitKind::Affine);
    EXPECT_LT(outcome.fit->WorstResidual(), 1e-6);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> x(0, 100), y(0, 50);
    for (int marker = 0; marker < 200; ++marker) {
        ASSERT_LT(PixelError(outcome.fit->pixelToValue, axes, {x(random), y(random)}), 0.5);
    }

    // The two-point rule, on two opposite ticks, misses by tens of pixels on the same plot.
    CalibrationRecord record;
    const auto neutral = [](QPointF pixel) {
        return QPointF(10 * pixel.x() / 2000, 10 - 10 * pixel.y() / 1400);
    };
    const QPointF first = neutral(ticks[0].pixel), second = neutral(ticks[3].pixel);
    record.X1 = 0;
    record.Y1 = 0;
    record.X2 = 100;
    record.Y2 = 50;
    record.XPos1 = first.x();
    record.YPos1 = first.y();
    record.XPos2 = second.x();
    record.YPos2 = second.y();
    ASSERT_EQ(CalibrateRecord(record, false, false), CalibrationVerdict::Applied);
    const QTransform twoPoint =
        QTransform(10.0 / 2000, 0, 0, -10.0 / 1400, 0, 10) *
        QTransform((record.RightX - record.LeftX) / 10, 0, 0, (record.TopY - record.BottomY) / 10,
                   record.LeftX, record.BottomY);
    EXPECT_GT(PixelError(twoPoint, axes, {100, 0}), 20);
}

TEST(CalibrationFit, LogAxesAreFittedInDecades) {
    // x from 1 to 1e4 (four decades over 1600 pixels), y linear; turned by 1 degree.
    const QTransform axes = ScannedAxes(1, 0);
    const auto tick = [&](double x, double y) {
        return ReferencePoint{axes.map(QPointF(std::log10(x) * 25, y)), x, y};
    };
    const FitOutcome outcome = FitReferencePoints({tick(1, 0), tick(1e4, 0), tick(10, 50)}, true,
                                                  false, FitChoice::Affine);
    ASSERT_TRUE(outcome.fit);
    const QPointF read = outcome.fit->pixelToValue.map(axes.map(QPointF(2 * 25, 20)));
    EXPECT_NEAR(std::pow(10, read.x()), 100, 1e-8);
    EXPECT_NEAR(read.y(), 20, 1e-9);
}

TEST(CalibrationFit, APhotographedPageTakesTheProjectiveFitWhereTheAffineOneFails) {
    // A page leaning away: its top is narrower than its bottom.
    const QTransform page =
        QTransform::fromScale(16, -20) * QTransform(1, 0, 0.0003, 0, 1, 0.0002, 200, 1200, 1);
    std::vector<ReferencePoint> ticks = {Tick(page, 0, 0), Tick(page, 100, 0), Tick(page, 0, 50),
                                         Tick(page, 100, 50), Tick(page, 50, 25)};
    const FitOutcome automatic = FitReferencePoints(ticks, false, false, FitChoice::Automatic);
    ASSERT_TRUE(automatic.fit);
    EXPECT_EQ(automatic.fit->kind, FitKind::Projective);
    EXPECT_LT(automatic.fit->WorstResidual(), 1e-4);
    EXPECT_LT(PixelError(automatic.fit->pixelToValue, page, {80, 10}), 1e-4);
    const FitOutcome affine = FitReferencePoints(ticks, false, false, FitChoice::Affine);
    ASSERT_TRUE(affine.fit);
    EXPECT_EQ(affine.fit->kind, FitKind::Affine);
    EXPECT_GT(affine.fit->WorstResidual(), SuspectResidual);
    // Three points cannot tell the two apart: affine, whatever was chosen.
    ticks.resize(3);
    EXPECT_EQ(FitReferencePoints(ticks, false, false, FitChoice::Projective).fit->kind,
              FitKind::Affine);
}

TEST(CalibrationFit, AMistypedValueStandsOutByItsResidual) {
    const QTransform axes = ScannedAxes(0.5, 0);
    std::vector<ReferencePoint> ticks = {Tick(axes, 0, 0), Tick(axes, 100, 0), Tick(axes, 0, 50),
                                         Tick(axes, 100, 50), Tick(axes, 50, 25)};
    ticks[4].x = 55; // typed 55 for 50
    const FitOutcome outcome = FitReferencePoints(ticks, false, false, FitChoice::Affine);
    ASSERT_TRUE(outcome.fit);
    const auto& residuals = outcome.fit->residuals;
    ASSERT_EQ(residuals.size(), 5u);
    EXPECT_EQ(std::max_element(residuals.begin(), residuals.end()) - residuals.begin(), 4);
    EXPECT_GT(residuals[4], SuspectResidual);
    EXPECT_EQ(LikelyMistyped(ticks, false, false, FitChoice::Affine), 4);
    // Typed right, no point is suspect; with four, none can be told from the others.
    ticks[4].x = 50;
    EXPECT_FALSE(LikelyMistyped(ticks, false, false, FitChoice::Affine));
    ticks[3].x = 105;
    ticks.resize(4);
    EXPECT_FALSE(LikelyMistyped(ticks, false, false, FitChoice::Affine));
}

TEST(CalibrationFit, RefusalsNameThePoints) {
    const QTransform axes = ScannedAxes(0, 0);
    struct Case {
        std::vector<ReferencePoint> points;
        bool xLog;
        const char* message;
    };
    const Case cases[] = {
        {{Tick(axes, 0, 0), Tick(axes, 100, 0)},
         false,
         "At least three reference points are needed."},
        {{Tick(axes, 0, 0), Tick(axes, 100, 0), Tick(axes, 100, 0)},
         false,
         "Points 2 and 3 are on the same pixel."},
        {{Tick(axes, 0, 0), Tick(axes, 50, 0), Tick(axes, 100, 0)},
         false,
         "Points 1, 2 and 3 lie on one line."},
        {{Tick(axes, 0, 0), Tick(axes, 100, 0), Tick(axes, 0, 50)},
         true,
         "Points 1 and 3: zero or negative values cannot be used in a Log Axis."},
    };
    for (const Case& c : cases) {
        const FitOutcome outcome =
            FitReferencePoints(c.points, c.xLog, false, FitChoice::Automatic);
        EXPECT_FALSE(outcome.fit);
        EXPECT_EQ(outcome.refusal, QString::fromLatin1(c.message));
    }
    // Three points off one line whose typed X values are all alike cannot map the x axis.
    std::vector<ReferencePoint> alike = {Tick(axes, 0, 0), Tick(axes, 100, 0), Tick(axes, 0, 50)};
    for (ReferencePoint& point : alike) {
        point.x = 7;
    }
    const FitOutcome outcome = FitReferencePoints(alike, false, false, FitChoice::Automatic);
    EXPECT_FALSE(outcome.fit);
    EXPECT_TRUE(outcome.refusal.contains(QStringLiteral("do not span both axes")));
}

TEST(CalibrationFit, APictureFrameTakesTheFittedMapBothWaysAndKeepsItsEdges) {
    const QTransform axes = ScannedAxes(2, 0.01);
    const FitOutcome outcome =
        FitReferencePoints({Tick(axes, 0, 0), Tick(axes, 100, 0), Tick(axes, 0, 50)}, false, false,
                           FitChoice::Automatic);
    ASSERT_TRUE(outcome.fit);
    const EdgeValues edges{1, 2, 3, 4};
    const UserCoordinates fitted(edges, {2000, 1400}, outcome.fit->pixelToValue);
    ASSERT_TRUE(fitted.Fitted());
    EXPECT_EQ(fitted.Edges(), edges);
    const QPointF user = fitted.ToUser(axes.map(QPointF(30, 40)));
    EXPECT_NEAR(user.x(), 30, 1e-9);
    EXPECT_NEAR(user.y(), 40, 1e-9);
    const QPointF pixel = fitted.ToPixel({30, 40});
    EXPECT_NEAR(pixel.x(), axes.map(QPointF(30, 40)).x(), 1e-7);
    // A map that cannot be turned back is not taken: the edges' frame stays.
    const UserCoordinates flat(edges, {2000, 1400}, QTransform(1, 0, 1, 0, 0, 0));
    EXPECT_FALSE(flat.Fitted());
    EXPECT_EQ(flat.ToUser({0, 0}), QPointF(1, 2));
}

TEST(CalibrationFit, FourPointsWithAMistypedValueAreNotHiddenByAnExactProjectiveFit) {
    const QTransform axes = ScannedAxes(1, 0);
    std::vector<ReferencePoint> ticks = {Tick(axes, 0, 0), Tick(axes, 100, 0), Tick(axes, 0, 50),
                                         Tick(axes, 100, 50)};
    ticks[3].x = 105;
    const FitOutcome automatic = FitReferencePoints(ticks, false, false, FitChoice::Automatic);
    ASSERT_TRUE(automatic.fit);
    EXPECT_EQ(automatic.fit->kind, FitKind::Affine);
    EXPECT_GT(automatic.fit->WorstResidual(), SuspectResidual);
    // Asked for, the projective map takes the four exactly.
    const FitOutcome projective = FitReferencePoints(ticks, false, false, FitChoice::Projective);
    ASSERT_TRUE(projective.fit);
    EXPECT_EQ(projective.fit->kind, FitKind::Projective);
    EXPECT_LT(projective.fit->WorstResidual(), 1e-6);
}
