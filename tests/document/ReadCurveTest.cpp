#include "PictureFixture.h"
#include "TestData.h"
#include "VectorPlots.h"

#include "session/UndoHistory.h"

#include <QTemporaryDir>

#include <cmath>

namespace {

using VectorPlots::Plot;

// Values read off a drawing are exact to this share of the axis's range.
constexpr double Share = 1e-6;

class ReadCurve : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        App().session.settings.SnapClicks = true;
    }
    // Brings in the plot as a PDF page at a resolution, or as an SVG file.
    void ImportPdf(const Plot& plot, int dotsPerInch = 300) {
        m_plot = plot;
        m_dotsPerInch = dotsPerInch;
        const QString path = m_folder.filePath(QStringLiteral("plot.pdf"));
        ASSERT_TRUE(WriteFile(path, VectorPlots::PdfFile(plot)));
        prompts->pdfPageAnswers.push_back(PdfPageChoice{1, dotsPerInch});
        ASSERT_TRUE(Main().ImportPictureFile(path));
    }
    void ImportSvg(const Plot& plot) {
        m_plot = plot;
        m_dotsPerInch = 300;
        const QString path = m_folder.filePath(QStringLiteral("plot.svg"));
        ASSERT_TRUE(WriteFile(path, VectorPlots::SvgFile(plot)));
        ASSERT_TRUE(Main().ImportPictureFile(path));
        ASSERT_EQ(Surface().Type(), PictureType::SvgDrawing);
    }
    // The pixel a user clicks for a value: the one under it, off the exact place by up to a
    // pixel and a half.
    QPoint PixelOf(QPointF value, QPoint off = {1, -1}) const {
        const QPointF at = VectorPlots::PicturePoint(m_plot, value, m_dotsPerInch);
        return QPoint(static_cast<int>(std::lround(at.x())),
                      static_cast<int>(std::lround(at.y()))) +
               off;
    }
    // A reference point clicked near the end of a tick on an axis, its values typed.
    void Reference(QPointF value, std::optional<MessageAnswer> answer = std::nullopt) {
        prompts->textAnswers.push_back(QString::number(value.x(), 'g', 17));
        prompts->textAnswers.push_back(QString::number(value.y(), 'g', 17));
        if (answer) {
            prompts->messageAnswers.push_back(*answer);
        }
        Press(Qt::LeftButton, PixelOf(value));
    }
    // Calibrates on an x tick and a y tick (and, for a turned page, a third tick).
    void Calibrate(bool third = false) {
        EnterScaleMode();
        Reference({m_plot.xTicks[2], m_plot.yFrom});
        if (!third) {
            Reference({m_plot.xFrom, m_plot.yTicks[3]}, MessageAnswer::Yes);
        } else {
            Reference({m_plot.xFrom, m_plot.yTicks[3]}, MessageAnswer::MorePoints);
            Reference({m_plot.xTicks[4], m_plot.yFrom}, MessageAnswer::Yes);
        }
        ASSERT_FALSE(App().session.ScaleModeOn);
    }
    void ReadAt(QPointF value) {
        Main().RunMenuCommand("mnuDataReadCurve");
        Press(Qt::LeftButton, PixelOf(value, {2, 2}));
    }
    double AxisY(double y) const { return m_plot.yLog ? std::log10(y) : y; }
    // Every row from the first given matches the series' data within the share of the ranges.
    void ExpectRowsAre(const std::vector<QPointF>& data, int firstRow = 1) {
        ASSERT_EQ(Table().PointCount(), firstRow - 1 + static_cast<int>(data.size()));
        const double xRange = m_plot.xTo - m_plot.xFrom;
        const double yRange = AxisY(m_plot.yTo) - AxisY(m_plot.yFrom);
        double worst = 0;
        for (std::size_t at = 0; at < data.size(); ++at) {
            const int row = firstRow + static_cast<int>(at);
            const double x = Cell(row, 1).toDouble();
            const double y = Cell(row, 2).toDouble();
            worst = std::max({worst, std::fabs(x - data[at].x()) / xRange,
                              std::fabs(AxisY(y) - AxisY(data[at].y())) / yRange});
        }
        EXPECT_LT(worst, Share);
    }

    Plot m_plot;
    int m_dotsPerInch = 300;
    QTemporaryDir m_folder;
};

TEST_F(ReadCurve, ALineAndMarkersOfAPdfPageReadExactlyOnLinearAndLogAxes) {
    for (const bool yLog : {false, true}) {
        prompts->messageAnswers.push_back(MessageAnswer::Yes);
        Main().mnuDataRemoveAll_Click();
        App().session.settings.YLog = yLog;
        ImportPdf(VectorPlots::ThreeSeries(yLog));
        Calibrate();
        const auto& line = m_plot.series[0].data;
        ReadAt(line[10]);
        ExpectRowsAre(line);
        EXPECT_EQ(App().session.History().UndoName(), QStringLiteral("Read Curve"));
        const auto& markers = m_plot.series[2].data;
        ReadAt(markers[5]);
        ExpectRowsAre(markers, 1 + static_cast<int>(line.size()));
        // A dashed line is read whole.
        prompts->messageAnswers.push_back(MessageAnswer::Yes);
        Main().mnuDataRemoveAll_Click();
        ReadAt(m_plot.series[1].data[7]);
        ExpectRowsAre(m_plot.series[1].data);
    }
}

TEST_F(ReadCurve, ATurnedPageReadsExactlyThroughThreeReferencePoints) {
    Plot plot = VectorPlots::ThreeSeries();
    plot.rotate = 90;
    ImportPdf(plot, 200);
    Calibrate(true);
    ASSERT_TRUE(Surface().Coordinates().Fitted());
    ReadAt(m_plot.series[0].data[30]);
    ExpectRowsAre(m_plot.series[0].data);
}

TEST_F(ReadCurve, AnSvgDrawingReadsExactly) {
    ImportSvg(VectorPlots::ThreeSeries());
    Calibrate();
    ReadAt(m_plot.series[2].data[0]);
    ExpectRowsAre(m_plot.series[2].data);
}

TEST_F(ReadCurve, AClickSnapsExactlyToAVertexAndIsKeptInFullPrecision) {
    ImportPdf(VectorPlots::ThreeSeries());
    Calibrate();
    const QPointF vertex = m_plot.series[0].data[21];
    Press(Qt::LeftButton, PixelOf(vertex));
    ExpectRowsAre({vertex});
    // With snapping off, the click keeps the pixel it was.
    App().session.settings.SnapClicks = false;
    Press(Qt::LeftButton, PixelOf(vertex));
    ASSERT_EQ(Table().PointCount(), 2);
    EXPECT_GT(std::fabs(Cell(2, 1).toDouble() - vertex.x()), 1e-4);
}

TEST_F(ReadCurve, AProjectKeepsTheDrawingAndReadsExactlyWhenOpened) {
    ImportPdf(VectorPlots::ThreeSeries());
    Calibrate();
    const QString path = m_folder.filePath(QStringLiteral("plot.kurvexproj"));
    ASSERT_TRUE(Main().SaveProjectTo(path));
    Surface().ClearPicture();
    ASSERT_FALSE(Surface().Shown().Vectors());
    prompts->messageAnswers.push_back(MessageAnswer::No); // keep the project as saved
    ASSERT_TRUE(Main().OpenProjectFile(path));
    ASSERT_TRUE(Surface().Shown().Vectors());
    ReadAt(m_plot.series[1].data[12]);
    ExpectRowsAre(m_plot.series[1].data);
}

TEST_F(ReadCurve, IsOneStepThatUndoTakesBack) {
    ImportPdf(VectorPlots::ThreeSeries());
    Calibrate();
    ReadAt(m_plot.series[0].data[3]);
    ASSERT_EQ(Table().PointCount(), 50);
    ASSERT_TRUE(App().session.History().Undo());
    EXPECT_EQ(Table().PointCount(), 0);
    ASSERT_TRUE(App().session.History().Redo());
    EXPECT_EQ(Table().PointCount(), 50);
}

TEST_F(ReadCurve, EscapeGivesUpAndAClickOffTheDrawingReadsNothing) {
    ImportPdf(VectorPlots::ThreeSeries());
    Calibrate();
    Press(Qt::LeftButton, PixelOf({5, 50}, {0, 0}));
    ASSERT_EQ(Table().PointCount(), 1);
    Main().RunMenuCommand("mnuDataReadCurve");
    ASSERT_TRUE(App().Document().ReadCurveWanted());
    // Escape gives up Read Curve and keeps the point it would otherwise take back.
    App().Document().Form_KeyDown(frmDocument::EscapeKey, 0);
    EXPECT_FALSE(App().Document().ReadCurveWanted());
    EXPECT_EQ(Table().PointCount(), 1);
    // The next click is an ordinary one again.
    Press(Qt::LeftButton, PixelOf({5, 50}, {0, 0}));
    EXPECT_EQ(Table().PointCount(), 2);

    // Far from any line or marker: said, and nothing read.
    Main().RunMenuCommand("mnuDataReadCurve");
    prompts->messages.clear();
    Press(Qt::LeftButton, QPoint(1800, 60));
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Read Curve"));
    EXPECT_TRUE(prompts->messages[0].text.startsWith(
        QStringLiteral("No line or marker of the drawing lies within 15 pixels")));
    EXPECT_EQ(Table().PointCount(), 2);
}

TEST_F(ReadCurve, PicturesWithoutADrawingSaySoAndWorkOnTheirPixels) {
    // The fixture's white picture is made of pixels only.
    prompts->messages.clear();
    Main().RunMenuCommand("mnuDataReadCurve");
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_TRUE(prompts->messages[0].text.startsWith(
        QStringLiteral("Read Curve reads the lines and markers of a PDF page or an SVG drawing.")));
    EXPECT_FALSE(App().Document().ReadCurveWanted());

    // A scanned page in a PDF.
    const QString path = m_folder.filePath(QStringLiteral("scan.pdf"));
    ASSERT_TRUE(WriteFile(path, VectorPlots::ScannedPagePdf()));
    prompts->pdfPageAnswers.push_back(PdfPageChoice{1, 72});
    ASSERT_TRUE(Main().ImportPictureFile(path));
    prompts->messages.clear();
    Main().RunMenuCommand("mnuDataReadCurve");
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_TRUE(
        prompts->messages[0].text.startsWith(QStringLiteral("This page has no drawing to read")));
    // Clicks work on its pixels as on any picture.
    Press(Qt::LeftButton, QPoint(100, 100));
    EXPECT_EQ(Table().PointCount(), 1);
}

TEST_F(ReadCurve, TheDrawingTurnsWithThePictureAndComesBackWithIt) {
    ImportPdf(VectorPlots::ThreeSeries(), 100);
    const SessionPicture::SharedVectors before = Surface().Shown().Vectors();
    ASSERT_TRUE(before);
    prompts->textAnswers.push_back(QStringLiteral("90"));
    {
        const UndoStep step(App().session.History(), QStringLiteral("Rotate"));
        App().Document().RotatePicture();
    }
    const SessionPicture::SharedVectors turned = Surface().Shown().Vectors();
    ASSERT_TRUE(turned);
    EXPECT_EQ(turned->size, QSizeF(Surface().Picture().size()));
    EXPECT_NE(turned->paths[2].points[0], before->paths[2].points[0]);
    // Undo and Redo bring each drawing back with its picture, as Undo Rotate does.
    ASSERT_TRUE(App().session.History().Undo());
    EXPECT_EQ(Surface().Shown().Vectors(), before);
    ASSERT_TRUE(App().session.History().Redo());
    EXPECT_EQ(Surface().Shown().Vectors(), turned);
    App().Document().UndoRotate();
    EXPECT_EQ(Surface().Shown().Vectors(), before);
}

} // namespace
