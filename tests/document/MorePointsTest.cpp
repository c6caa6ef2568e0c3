#include "PictureFixture.h"

#include "core/CalibrationFit.h"
#include "project/ProjectState.h"
#include "session/UndoHistory.h"

#include <cmath>
#include <optional>

namespace {

constexpr double Pi = 3.14159265358979323846;

// A plot on a 1000 x 700 scan, turned by 2 degrees and sheared by 1%: x from 0 to 100 over
// 800 pixels, y from 0 to 50 over 500 pixels upwards, its origin at pixel (100, 600).
QTransform ScannedPlot() {
    const double r = 2 * Pi / 180;
    return QTransform(8, 0, 0, -10, 0, 0) * QTransform(1, 0, 0.01, 1, 0, 0) *
           QTransform(std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0) *
           QTransform::fromTranslate(100, 600);
}

class MorePoints : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        LoadWhitePicture(1000, 700);
    }
    // The values the plot has at the position of a click on this pixel.
    static QPointF ValuesAt(QPoint pixel) { return ScannedPlot().inverted().map(QPointF(pixel)); }
    // A reference point clicked at a pixel with its true values typed in full, and the answer
    // to the question after it (none after the first point).
    void Reference(QPoint pixel, std::optional<MessageAnswer> answer = std::nullopt) {
        const QPointF values = ValuesAt(pixel);
        prompts->textAnswers.push_back(QString::number(values.x(), 'g', 17));
        prompts->textAnswers.push_back(QString::number(values.y(), 'g', 17));
        if (answer) {
            prompts->messageAnswers.push_back(*answer);
        }
        Press(Qt::LeftButton, pixel);
    }
    // How far, in pixels, the point recorded last lands from the pixel clicked.
    double ErrorOfLastPoint(QPoint pixel) {
        const int row = Table().RowCount() - 1;
        const QPointF read(Cell(row, 1).toDouble(), Cell(row, 2).toDouble());
        const QPointF where = ScannedPlot().map(read);
        return std::hypot(where.x() - pixel.x(), where.y() - pixel.y());
    }
    const QPoint ticks[4] = {{120, 590}, {880, 610}, {110, 120}, {870, 140}};
    const QPoint markers[5] = {{300, 400}, {500, 250}, {700, 500}, {850, 180}, {150, 150}};
};

} // namespace

TEST_F(MorePoints, FourTicksOfATurnedAndShearedScanReadEveryMarker) {
    EnterScaleMode();
    Reference(ticks[0]);
    Reference(ticks[1], MessageAnswer::MorePoints);
    EXPECT_EQ(prompts->messages.back().text, QStringLiteral("Exit scale mode and scale picture?"));
    EXPECT_EQ(prompts->messages.back().buttons, MessageButtons::YesNoMorePoints);
    Reference(ticks[2], MessageAnswer::MorePoints);
    EXPECT_TRUE(prompts->messages.back().text.startsWith(QStringLiteral("Affine fit")));
    EXPECT_TRUE(prompts->messages.back().text.contains(QStringLiteral("\r\nPoint 3: 0 px")));
    EXPECT_EQ(prompts->textPrompts.back().title, QStringLiteral("Y value of Point 3"));
    Reference(ticks[3], MessageAnswer::Yes);
    EXPECT_EQ(prompts->textPrompts.back().title, QStringLiteral("Y value of Point 4"));
    ASSERT_FALSE(App().session.ScaleModeOn);
    ASSERT_TRUE(Surface().Coordinates().Fitted());
    EXPECT_EQ(App().session.History().UndoName(), QStringLiteral("Calibration"));
    for (const QPoint& marker : markers) {
        Press(Qt::LeftButton, marker);
        EXPECT_LT(ErrorOfLastPoint(marker), 0.5) << marker.x() << "," << marker.y();
    }
    // The guide's page on scaling shows the residuals too.
    frmTip& guide = App().Tip();
    while (guide.CurrentTip() != 3) {
        guide.NextTip();
    }
    EXPECT_TRUE(guide.TipText().contains(QStringLiteral("Point 4: 0 px")));
    guide.NextTip();
    EXPECT_FALSE(guide.TipText().contains(QStringLiteral("Affine fit")));
    // Kept in a project and opened again, the fit reads the same values.
    const QString before = Cell(Table().RowCount() - 1, 1);
    const Project kept = CurrentProject(App().session, true);
    EXPECT_TRUE(kept.fitted);
    ApplyProject(App().session, kept, kept.picture);
    ASSERT_TRUE(Surface().Coordinates().Fitted());
    Press(Qt::LeftButton, markers[4]);
    EXPECT_EQ(Cell(Table().RowCount() - 1, 1), before);
}

TEST_F(MorePoints, TwoTicksOnTheSameScanAreTensOfPixelsOff) {
    EnterScaleMode();
    Reference(ticks[0]);
    Reference(ticks[3], MessageAnswer::Yes);
    EXPECT_FALSE(Surface().Coordinates().Fitted());
    Press(Qt::LeftButton, {880, 610});
    EXPECT_GT(ErrorOfLastPoint({880, 610}), 10);
}

TEST_F(MorePoints, AMistypedPointCanBeDroppedAndPointsOnALineAreRefused) {
    EnterScaleMode();
    Reference(ticks[0]);
    Reference(ticks[1], MessageAnswer::MorePoints);
    Reference(ticks[2], MessageAnswer::MorePoints);
    Reference({500, 350}, MessageAnswer::MorePoints);
    // Point 5 typed 5 units off in X.
    const QPointF values = ValuesAt(ticks[3]);
    prompts->textAnswers = {QString::number(values.x() + 5, 'g', 17),
                            QString::number(values.y(), 'g', 17)};
    prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};
    Press(Qt::LeftButton, ticks[3]);
    ASSERT_GE(prompts->messages.size(), 3u);
    const auto& asked = prompts->messages;
    EXPECT_TRUE(asked[asked.size() - 3].text.contains(QStringLiteral("(likely a mistyped value)")));
    EXPECT_TRUE(asked[asked.size() - 2].text.startsWith(QStringLiteral("Point ")));
    EXPECT_TRUE(asked[asked.size() - 2].text.contains(QStringLiteral("Drop Point")));
    // After the drop the others fit without a word of doubt, and the picture reads through them.
    EXPECT_FALSE(asked.back().text.contains(QStringLiteral("mistyped")));
    EXPECT_EQ(App().session.moreReferences.size(), 2u);
    EXPECT_TRUE(asked[asked.size() - 2].text.startsWith(QStringLiteral("Point 5 lies")));
    ASSERT_TRUE(Surface().Coordinates().Fitted());
    Press(Qt::LeftButton, markers[0]);
    EXPECT_LT(ErrorOfLastPoint(markers[0]), 0.5);

    // Three points on one line: named, and the picture keeps the neutral frame.
    prompts->messages.clear();
    EnterScaleMode();
    Reference({100, 100});
    Reference({200, 200}, MessageAnswer::MorePoints);
    prompts->messageAnswers = {MessageAnswer::Yes};
    Reference({300, 300}, MessageAnswer::Yes);
    EXPECT_TRUE(prompts->messages.back().text.startsWith(
        QStringLiteral("Points 1, 2 and 3 lie on one line.")));
    EXPECT_FALSE(Surface().Coordinates().Fitted());
    EXPECT_EQ(Surface().Coordinates().Edges(), NeutralFrame);
}

TEST_F(MorePoints, TheCalibrationGridFollowsTheFitInTheOptionsColour) {
    EnterScaleMode();
    Reference(ticks[0]);
    Reference(ticks[1], MessageAnswer::MorePoints);
    Reference(ticks[2], MessageAnswer::Yes);
    ASSERT_TRUE(Surface().Coordinates().Fitted());
    const QColor gridColor = App().session.settings.CalibrationGridColor.ToQColor();
    // Somewhere within a pixel of the line x = 0, half way up the plot.
    const auto gridNear = [&](QPointF values) {
        const QImage shown = Surface().grab().toImage();
        const QPoint at = ScannedPlot().map(values).toPoint();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (shown.pixelColor(at + QPoint(dx, dy)) == gridColor) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_FALSE(gridNear({0, 25}));
    Main().Item("mnuViewCalibrationGrid").trigger();
    EXPECT_TRUE(Main().Item("mnuViewCalibrationGrid").isChecked());
    EXPECT_EQ(Main().Item("mnuViewCalibrationGrid").shortcut(),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
    EXPECT_TRUE(gridNear({0, 25}));
    EXPECT_TRUE(gridNear({60, 17}) || gridNear({60, 20})) << "a line of x = 60 leans with the plot";
    EXPECT_TRUE(App().session.History().UndoName() == QStringLiteral("Calibration"))
        << "showing the grid changes nothing of the session";
    Main().Item("mnuViewCalibrationGrid").trigger();
    EXPECT_FALSE(gridNear({0, 25}));
}

TEST_F(MorePoints, NoMorePointsThanACalibrationTakes) {
    EnterScaleMode();
    Reference(ticks[0]);
    Reference(ticks[1], MessageAnswer::MorePoints);
    for (int point = 3; point < MostReferencePoints; ++point) {
        Reference({100 + 8 * point, 300 + (point % 7) * 20}, MessageAnswer::MorePoints);
    }
    EXPECT_EQ(prompts->messages.back().buttons, MessageButtons::YesNoMorePoints);
    Reference({900, 100}, MessageAnswer::No);
    EXPECT_EQ(static_cast<int>(App().session.moreReferences.size()) + 2, MostReferencePoints);
    EXPECT_EQ(prompts->messages.back().buttons, MessageButtons::YesNo);
}
