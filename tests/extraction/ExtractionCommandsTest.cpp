#include "PictureFixture.h"
#include "windows/shared/ScreenPointer.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QRadioButton>

namespace {

class Extraction : public PictureFixture {
protected:
    void Add(double x, double y) { AppendPointRow(Table(), x, y); }
};

// A 100 x 100 white picture calibrated 0..10 on both axes with a vertical line in the data
// colour at column 50 (x = 5).
class AutoRead : public Extraction {
protected:
    void SetUp() override {
        Extraction::SetUp();
        QImage picture(100, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int row = 0; row < 100; ++row) {
            picture.setPixelColor(50, row, QColor(80, 255, 30));
        }
        Surface().SetPicture(picture);
        App().session.calibration.LeftX = 0;
        App().session.calibration.RightX = 10;
        App().session.calibration.TopY = 10;
        App().session.calibration.BottomY = 0;
        Surface().SetScale(App().session.calibration.Edges());
        App().session.settings.GridCols = 10;
        App().session.settings.GridRows = 10;
        App().session.settings.DotSize = 1;
        Surface().SetDrawWidth(1);
    }
};

TEST_F(AutoRead, StoresEveryGridPositionOnTheCurveAndReports) {
    clock->now = QDateTime(QDate(2026, 12, 6), QTime(9, 30, 0));
    Main().mnuDataAR_Click();
    // x = 5 is a grid column; y from 0 to 10 in steps of 1, y = 0 lying outside the picture.
    const QString text = prompts->OnlyMessage();
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("The number of values found and stored is: 10\r\nStarting time: ")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nEnding time: ")));
    EXPECT_FALSE(text.contains(QStringLiteral("skipped"))) << "nothing was skipped";
    ASSERT_EQ(Table().PointCount(), 10);
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" 5"));
    EXPECT_EQ(Cell(1, 2), QStringLiteral(" 1"));
    EXPECT_EQ(Surface().PixelColor(50, 50), App().session.settings.ARPointColor.Packed())
        << "found positions are marked";
    EXPECT_FALSE(Main().ProgressBar().isVisible());
    EXPECT_EQ(CurrentScreenPointer(), ScreenPointer::Custom) << "the picture's own pointer";
}

TEST_F(AutoRead, OnALogAxisTheValueIsTenToTheCoordinate) {
    App().session.settings.XLog = true;
    App().session.settings.GridRows = 2;
    Main().mnuDataAR_Click();
    ASSERT_GE(Table().PointCount(), 1);
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" 100000")) << "10 to the power 5";
}

TEST_F(AutoRead, PositionsPastTheRangeOfALogAxisAreSkippedAndCounted) {
    // Column 50 lies at x = 400 (10^400 overflows) or at x = -400 (10^-400 vanishes); either
    // way the sweep goes on over the whole grid with no box per position.
    for (const double half : {400.0, -400.0}) {
        prompts->messages.clear();
        App().session.settings.XLog = true;
        App().session.calibration.LeftX = 0;
        App().session.calibration.RightX = 2 * half;
        Surface().SetScale(App().session.calibration.Edges());
        Main().mnuDataAR_Click();
        const QString text = prompts->OnlyMessage();
        EXPECT_TRUE(text.startsWith(QStringLiteral("The number of values found and stored is: 0")))
            << text.toStdString();
        EXPECT_TRUE(text.endsWith(
            QStringLiteral("Positions skipped (their values do not fit a number): 10")))
            << text.toStdString();
        EXPECT_EQ(Table().PointCount(), 0);
    }
}

TEST_F(AutoRead, EscapeStopsTheRunAndKeepsWhatWasFound) {
    App().session.settings.GridCols = 1000;
    App().session.settings.GridRows = 1000;
    // Escape is waiting when the run starts; the run looks at the keyboard before its first
    // position, so it stops before it finds anything.
    QCoreApplication::postEvent(&Main(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    Main().mnuDataAR_Click();
    EXPECT_TRUE(prompts->OnlyMessage().endsWith(
        QStringLiteral("Stopped with Esc before the end of the grid.")));
    EXPECT_EQ(Table().PointCount(), 0);
    EXPECT_FALSE(Main().ProgressBar().isVisible());
}

TEST_F(AutoRead, AGridWithoutColumnsOrRowsIsRefused) {
    App().session.settings.GridRows = 0;
    Main().mnuDataAR_Click();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Auto Reading"));
    EXPECT_EQ(Table().PointCount(), 0);
}

TEST_F(Extraction, InterpolationNeedsFourPoints) {
    Add(3, 1);
    Add(1, 1);
    Add(1, 1);
    Add(2, 5);
    Main().mnuDataSpline_Click();
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("You need at least two values to perform any interpolation."));
    ASSERT_EQ(Table().PointCount(), 3) << "de-duplicated all the same";
    EXPECT_EQ(Cell(1, 1), QStringLiteral("1")) << "and sorted";
}

TEST_F(Extraction, InterpolatedPointsJoinTheTableOnYes) {
    for (const double x : {10.0, 0.0, 4.0, 6.0}) {
        Add(x, 2 * x);
    }
    App().session.settings.SplinePoints = 5;
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().mnuDataSpline_Click();
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("You want to add these interpolated points to your current data?"));
    ASSERT_EQ(Table().PointCount(), 9);
    EXPECT_EQ(Cell(5, 0), QStringLiteral(" 5"));
    EXPECT_EQ(Cell(5, 1), QStringLiteral(" 2"));
    EXPECT_EQ(Cell(5, 2), QStringLiteral(" 4"));
    EXPECT_EQ(Cell(9, 1), QStringLiteral(" 10"));
    EXPECT_EQ(CurrentScreenPointer(), ScreenPointer::Custom);
}

TEST_F(Extraction, EqualIndependentValuesFailUntilTheOtherAxisIsChosen) {
    Add(1, 1);
    Add(1, 2);
    Add(2, 3);
    Add(3, 4);
    Main().mnuDataSpline_Click();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].text,
              QStringLiteral("The interpolation method is failing with these data.\r\nTry againg "
                             "changing the Independant Variable\r\nError #  11 was generated. "
                             "\rDivision by zero"))
        << "the error's source is not shown";
    EXPECT_EQ(App().session.MsgText, prompts->messages[0].text);

    App().session.settings.SplineOnX = false;
    App().session.settings.SplinePoints = 3;
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().mnuDataSpline_Click();
    EXPECT_TRUE(App().Data().OptSortY().isChecked());
    ASSERT_EQ(Table().PointCount(), 7);
    EXPECT_EQ(Cell(7, 2), QStringLiteral(" 4")) << "Y samples in the Y column";
    EXPECT_EQ(Cell(7, 1), QStringLiteral(" 3")) << "X values in the X column";
}

} // namespace
