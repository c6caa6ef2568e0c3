#include "PictureFixture.h"
#include "RasterPlots.h"
#include "TestData.h"
#include "VectorPlots.h"

#include "session/UndoHistory.h"

#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

class AutoScale : public PictureFixture {
protected:
    // A plot drawn into pixels, shown as the picture.
    void ShowPlot(int dotsPerInch, bool yLog, int seriesCount = 3, int style = 0,
                  bool smudged = false) {
        RasterPlots::Case plot;
        plot.style = RasterPlots::Styles()[static_cast<std::size_t>(style)];
        plot.dotsPerInch = dotsPerInch;
        plot.yLog = yLog;
        plot.seriesCount = seriesCount;
        m_drawn = RasterPlots::Draw(plot);
        if (smudged) {
            RasterPlots::SmudgeFactor(m_drawn);
        }
        Surface().SetPicture(m_drawn.image);
    }
    QPoint PixelOf(QPointF value) const {
        const QPointF at = m_drawn.PixelOf(value);
        return QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y())));
    }
    QString Status() { return Main().statusBar()->currentMessage(); }
    Session& S() { return App().session; }

    RasterPlots::Drawn m_drawn;
};

TEST_F(AutoScale, ShowsItsProposalAndEnterTakesItAsOneUndoStep) {
    ShowPlot(150, true);
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_TRUE(App().Document().AutoScaleProposed()) << prompts->messages.size();
    // Shown, not yet taken: the picture keeps its frame until Enter.
    EXPECT_EQ(Surface().Coordinates().Edges(), NeutralFrame);
    EXPECT_FALSE(S().settings.YLog);
    const auto& marks = Surface().ShownProposal();
    ASSERT_TRUE(marks);
    EXPECT_EQ(marks->axes.size(), 2u);
    EXPECT_EQ(marks->takenTicks.size(), 6u + 5u);
    EXPECT_TRUE(marks->leftOutTicks.empty());
    EXPECT_EQ(marks->references.size(), 2u);
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Auto Scale from the labels read - X: linear, "
                                                   "6 of 6 ticks, worst ")))
        << Status().toStdString();
    EXPECT_TRUE(Status().contains(QStringLiteral("Y: log, 5 of 5 ticks")));

    QTest::keyClick(&Surface(), Qt::Key_Return);
    EXPECT_FALSE(App().Document().AutoScaleProposed());
    EXPECT_FALSE(Surface().ShownProposal());
    EXPECT_TRUE(S().settings.YLog);
    EXPECT_EQ(S().History().UndoName(), QStringLiteral("Auto Scale"));
    // A click on a value of the plot records that value.
    Press(Qt::LeftButton, PixelOf({6, 1000}));
    ASSERT_EQ(Table().PointCount(), 1);
    EXPECT_NEAR(Cell(1, 1).toDouble(), 6, 0.02);
    EXPECT_NEAR(std::log10(Cell(1, 2).toDouble()), 3, 0.01);
    // Undo takes back the point, then the calibration with its log axis.
    ASSERT_TRUE(S().History().Undo());
    ASSERT_TRUE(S().History().Undo());
    EXPECT_EQ(Surface().Coordinates().Edges(), NeutralFrame);
    EXPECT_FALSE(S().settings.YLog);
}

TEST_F(AutoScale, EscapeOrAClickLeavesTheCalibrationAsItWas) {
    ShowPlot(100, false);
    S().settings.XLog = true;
    const EdgeValues before = Surface().Coordinates().Edges();
    S().History().Commit(QStringLiteral("Picture"));
    const int steps = S().History().StepCount();
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_TRUE(App().Document().AutoScaleProposed());
    QTest::keyClick(&Surface(), Qt::Key_Escape);
    EXPECT_FALSE(App().Document().AutoScaleProposed());
    EXPECT_FALSE(Surface().ShownProposal());
    EXPECT_EQ(Surface().Coordinates().Edges(), before);
    EXPECT_TRUE(S().settings.XLog);
    EXPECT_EQ(Status(), QStringLiteral("Auto Scale given up; the calibration is as it was"));
    EXPECT_EQ(S().History().StepCount(), steps);

    // A click gives it up too, and records nothing.
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_TRUE(App().Document().AutoScaleProposed());
    Press(Qt::LeftButton, PixelOf({5, 50}));
    EXPECT_FALSE(App().Document().AutoScaleProposed());
    EXPECT_EQ(Table().PointCount(), 0);
    EXPECT_EQ(Surface().Coordinates().Edges(), before);

    // A new picture drops a proposal read from the old one.
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_TRUE(App().Document().AutoScaleProposed());
    LoadWhitePicture(300, 200);
    EXPECT_FALSE(App().Document().AutoScaleProposed());
    QTest::keyClick(&Surface(), Qt::Key_Return);
    EXPECT_EQ(Surface().Coordinates().Edges(), before);
}

TEST_F(AutoScale, WhatCannotBeReadIsSaidAndNothingChanges) {
    // The fixture's white picture has no axes.
    S().History().Commit(QStringLiteral("Picture"));
    const int steps = S().History().StepCount();
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Auto Scale"));
    EXPECT_TRUE(prompts->messages[0].text.startsWith(
        QStringLiteral("No X axis line with labelled ticks was found; no Y axis line with labelled "
                       "ticks was found.")))
        << prompts->messages[0].text.toStdString();
    EXPECT_TRUE(prompts->messages[0].text.contains(QStringLiteral("left as it was")));
    EXPECT_FALSE(App().Document().AutoScaleProposed());
    EXPECT_EQ(S().History().StepCount(), steps);

    // In scale mode the reference points are the user's.
    ShowPlot(100, false);
    EnterScaleMode();
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_TRUE(prompts->messages[0].text.startsWith(QStringLiteral("Leave scale mode")));
    EXPECT_FALSE(App().Document().AutoScaleProposed());
}

TEST_F(AutoScale, AFactorThatCannotBeReadIsSaidInABoxAndTheProposalWaits) {
    ShowPlot(150, false, 2, 1, true);
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Auto Scale"));
    EXPECT_TRUE(prompts->messages[0].text.startsWith(
        QStringLiteral("Something is written over the top of the Y axis that was not read as a "
                       "factor")))
        << prompts->messages[0].text.toStdString();
    ASSERT_TRUE(App().Document().AutoScaleProposed());
    EXPECT_TRUE(Status().contains(QStringLiteral("Check the axis factor.")));
    // Read, the same plot says nothing.
    prompts->messages.clear();
    QTest::keyClick(&Surface(), Qt::Key_Escape);
    ShowPlot(150, false, 2, 1, false);
    Main().RunMenuCommand("mnuPictureAutoScale");
    EXPECT_TRUE(prompts->messages.empty());
    EXPECT_TRUE(Status().contains(QStringLiteral("Y: linear (labels times 1000)")))
        << Status().toStdString();
}

TEST_F(AutoScale, APdfPageIsCalibratedFromItsOwnTextExactly) {
    QTemporaryDir folder;
    const VectorPlots::Plot plot = VectorPlots::ThreeSeries();
    const QString path = folder.filePath(QStringLiteral("plot.pdf"));
    ASSERT_TRUE(WriteFile(path, VectorPlots::PdfFile(plot)));
    prompts->pdfPageAnswers.push_back(PdfPageChoice{1, 150});
    ASSERT_TRUE(Main().ImportPictureFile(path));
    Main().RunMenuCommand("mnuPictureAutoScale");
    ASSERT_TRUE(App().Document().AutoScaleProposed());
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Auto Scale from the page's text - X: linear, "
                                                   "6 of 6 ticks, worst 0 px")))
        << Status().toStdString();
    QTest::keyClick(&Surface(), Qt::Key_Enter);
    // Read Curve then reads the line at its exact values.
    Main().RunMenuCommand("mnuDataReadCurve");
    const QPointF at = VectorPlots::PicturePoint(plot, plot.series[0].data[10], 150);
    Press(Qt::LeftButton,
          QPoint(static_cast<int>(std::lround(at.x())), static_cast<int>(std::lround(at.y()))));
    ASSERT_EQ(Table().PointCount(), static_cast<int>(plot.series[0].data.size()));
    EXPECT_NEAR(Cell(11, 1).toDouble(), plot.series[0].data[10].x(), 1e-9);
    EXPECT_NEAR(Cell(11, 2).toDouble(), plot.series[0].data[10].y(), 1e-7);
}

TEST_F(AutoScale, FindCurvesMakesACurvePerColourAsOneUndoStep) {
    ShowPlot(150, false, 3);
    Main().RunMenuCommand("mnuPictureAutoScale");
    QTest::keyClick(&Surface(), Qt::Key_Return);
    Main().RunMenuCommand("mnuDataFindCurves");
    ASSERT_EQ(S().CurveCount(), 3) << prompts->messages.size();
    // The empty first curve took the first series.
    EXPECT_EQ(S().CurveAt(0).name, QStringLiteral("Blue"));
    EXPECT_EQ(S().CurveAt(1).name, QStringLiteral("Green"));
    EXPECT_EQ(S().CurveAt(2).name, QStringLiteral("Orange"));
    EXPECT_EQ(S().CurrentCurveIndex(), 0);
    ASSERT_TRUE(S().CurveAt(2).color);
    EXPECT_EQ(S().CurveAt(2).color->Red(), 255);
    // The orange series is markers: one row each, at the values drawn (the plot clips none).
    const DataTable& markers = *S().CurveAt(2).table;
    ASSERT_EQ(markers.PointCount(), static_cast<int>(m_drawn.series[1].data.size()));
    for (int row = 1; row <= markers.PointCount(); ++row) {
        const QPointF truth = m_drawn.series[1].data[static_cast<std::size_t>(row - 1)];
        EXPECT_NEAR(markers.CellText(row, 1).toDouble(), truth.x(), 0.03);
        EXPECT_NEAR(markers.CellText(row, 2).toDouble(), truth.y(), 0.3);
    }
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Found 3 curves with ")))
        << Status().toStdString();
    EXPECT_EQ(S().History().UndoName(), QStringLiteral("Find Curves"));
    ASSERT_TRUE(S().History().Undo());
    EXPECT_EQ(S().CurveCount(), 1);
    EXPECT_EQ(S().CurveAt(0).name, QStringLiteral("Curve 1"));
    EXPECT_EQ(Table().PointCount(), 0);

    // With a curve of the user's in use, the series come after it.
    Press(Qt::LeftButton, PixelOf({5, 50}));
    Main().RunMenuCommand("mnuDataFindCurves");
    ASSERT_EQ(S().CurveCount(), 4);
    EXPECT_EQ(S().CurveAt(0).name, QStringLiteral("Curve 1"));
    EXPECT_EQ(S().CurveAt(0).table->PointCount(), 1);
    EXPECT_EQ(S().CurrentCurveIndex(), 1);
}

TEST_F(AutoScale, FindCurvesOnAPictureWithoutColoursSaysSo) {
    S().History().Commit(QStringLiteral("Picture"));
    const int steps = S().History().StepCount();
    Main().RunMenuCommand("mnuDataFindCurves");
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Find Curves"));
    EXPECT_TRUE(prompts->messages[0].text.startsWith(QStringLiteral("No coloured series")));
    EXPECT_EQ(S().CurveCount(), 1);
    EXPECT_EQ(S().History().StepCount(), steps);
}

} // namespace
