#include "recognition/CurveFinding.h"
#include "RasterPlots.h"
#include "recognition/AxesCalibration.h"
#include "recognition/LabelOcr.h"
#include "recognition/PlotAxesReading.h"
#include "session/ProposedScale.h"
#include "session/ReferenceFit.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

const QColor Blue(31, 119, 180);
const QColor Orange(255, 127, 14);

QImage Paper(int width = 600, int height = 400) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

double DistanceToLine(QPointF p, QPointF a, QPointF b) {
    const QPointF d = b - a;
    return std::fabs(d.y() * (p.x() - a.x()) - d.x() * (p.y() - a.y())) / std::hypot(d.x(), d.y());
}

TEST(CurveFinding, TwoLinesThatCrossKeepTheirOwnPoints) {
    QImage picture = Paper();
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Blue, 3));
        painter.drawLine(QPointF(20, 40), QPointF(580, 360));
        painter.setPen(QPen(Orange, 3));
        painter.drawLine(QPointF(20, 360), QPointF(580, 40));
    }
    const CurveFinding finding = FindCurves(picture, {});
    ASSERT_EQ(finding.curves.size(), 2u) << finding.refusal.toStdString();
    for (const FoundCurve& curve : finding.curves) {
        EXPECT_FALSE(curve.markers);
        const bool blue = curve.colorName == QStringLiteral("Blue");
        EXPECT_TRUE(blue || curve.colorName == QStringLiteral("Orange"));
        // Painting puts a pixel's centre half a pixel past its corner.
        const QPointF a = blue ? QPointF(19.5, 39.5) : QPointF(19.5, 359.5);
        const QPointF b = blue ? QPointF(579.5, 359.5) : QPointF(579.5, 39.5);
        EXPECT_GT(curve.points.size(), 500u);
        double worst = 0;
        for (const QPointF& point : curve.points) {
            worst = std::max(worst, DistanceToLine(point, a, b));
        }
        // Through the crossing too: no point strays to the other line.
        EXPECT_LT(worst, 1.5) << curve.colorName.toStdString();
    }
}

TEST(CurveFinding, MarkersAreReadAtTheirCentresAndTouchingOnesAreSplit) {
    QImage picture = Paper();
    std::vector<QPointF> centres;
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Orange);
        for (int i = 0; i < 8; ++i) {
            centres.push_back(QPointF(50.3 + 60 * i, 100.6 + 20 * i));
        }
        // Two that overlap.
        centres.push_back(QPointF(530.2, 300.4));
        centres.push_back(QPointF(537.2, 300.4));
        for (const QPointF& c : centres) {
            painter.drawEllipse(c, 5, 5);
        }
    }
    const CurveFinding finding = FindCurves(picture, {});
    ASSERT_EQ(finding.curves.size(), 1u);
    const FoundCurve& curve = finding.curves[0];
    EXPECT_TRUE(curve.markers);
    ASSERT_EQ(curve.points.size(), centres.size());
    for (const QPointF& truth : centres) {
        double nearest = 1e9;
        for (const QPointF& point : curve.points) {
            nearest = std::min(
                nearest, std::hypot(point.x() - truth.x() + 0.5, point.y() - truth.y() + 0.5));
        }
        // The overlapping pair shares its middle, which moves their centres a little.
        EXPECT_LT(nearest, 1.0) << truth.x();
    }
}

TEST(CurveFinding, ADashedLineIsALineAndALegendSampleIsNoSeries) {
    QImage picture = Paper();
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen dashed(Blue, 3, Qt::DashLine);
        painter.setPen(dashed);
        painter.drawLine(QPointF(20, 300), QPointF(580, 250));
        // A legend: a green sample beside its text, and a marker sample beside another.
        painter.setPen(QPen(QColor(44, 160, 44), 3));
        painter.drawLine(QPointF(420, 40), QPointF(450, 40));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(456, 45), QStringLiteral("model"));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Orange);
        painter.drawEllipse(QPointF(435, 62), 4, 4);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(456, 67), QStringLiteral("data"));
    }
    const CurveFinding finding = FindCurves(picture, {});
    ASSERT_EQ(finding.curves.size(), 1u);
    EXPECT_EQ(finding.curves[0].colorName, QStringLiteral("Blue"));
    EXPECT_FALSE(finding.curves[0].markers);
    for (const QPointF& point : finding.curves[0].points) {
        EXPECT_GT(point.y(), 200);
    }
}

TEST(CurveFinding, SaysWhyWhenThereIsNothingToFind) {
    // Black and grey only: axes, grid and text are not series.
    QImage picture = Paper();
    {
        QPainter painter(&picture);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(20, 380, 580, 380);
        painter.setPen(QPen(QColor(176, 176, 176), 1));
        painter.drawLine(20, 200, 580, 200);
        painter.setPen(QPen(QColor(60, 60, 60), 2));
        painter.drawLine(20, 100, 580, 300);
    }
    CurveFinding finding = FindCurves(picture, {});
    EXPECT_TRUE(finding.curves.empty());
    EXPECT_TRUE(finding.refusal.startsWith(QStringLiteral("No coloured series was found")));

    // A colour map: far more colours than series.
    QImage spectrum = Paper(360, 100);
    for (int x = 0; x < 360; ++x) {
        for (int y = 0; y < 100; ++y) {
            spectrum.setPixelColor(x, y, QColor::fromHsv(x, 255, 160 + y / 2));
        }
    }
    finding = FindCurves(spectrum, {});
    EXPECT_TRUE(finding.curves.empty());
    EXPECT_TRUE(finding.refusal.startsWith(QStringLiteral("Most of the plot area is coloured")));
    // Many colours in small patches: more than a plot's series.
    QImage patches = Paper(400, 400);
    {
        QPainter painter(&patches);
        for (int k = 0; k < 20; ++k) {
            painter.fillRect(QRect(20 + (k % 5) * 75, 20 + (k / 5) * 90, 12, 12),
                             QColor::fromHsv(k * 18, 255, 200));
        }
    }
    finding = FindCurves(patches, {});
    EXPECT_TRUE(finding.curves.empty());
    EXPECT_TRUE(finding.refusal.contains(QStringLiteral("too many to tell")))
        << finding.refusal.toStdString();

    // An area too small to hold a curve.
    EXPECT_FALSE(FindCurves(picture, QRectF(10, 10, 6, 6)).refusal.isEmpty());
}

TEST(CurveFinding, NamesColoursByTheNearestPlainName) {
    EXPECT_EQ(ColorName(qRgb(31, 119, 180)), QStringLiteral("Blue"));
    EXPECT_EQ(ColorName(qRgb(250, 125, 20)), QStringLiteral("Orange"));
    EXPECT_EQ(ColorName(qRgb(0, 130, 0)), QStringLiteral("Green"));
    EXPECT_EQ(ColorName(qRgb(240, 10, 10)), QStringLiteral("Red"));
    EXPECT_EQ(ColorName(qRgb(150, 100, 190)), QStringLiteral("Purple"));
}

// The plot of the measurements, drawn at a resolution.
RasterPlots::Drawn BoxedPlot(int dotsPerInch, bool yLog, double turn = 0) {
    RasterPlots::Case plot;
    plot.style = RasterPlots::Styles().front();
    plot.dotsPerInch = dotsPerInch;
    plot.yLog = yLog;
    plot.turnDegrees = turn;
    return RasterPlots::Draw(plot);
}

TEST(ProposedScale, ATurnedPlotIsCalibratedThroughThreePointsAndReadsTrue) {
    const RasterPlots::Drawn drawn = BoxedPlot(150, true, 0.8);
    LabelOcr ocr;
    const PlotAxesReading reading = ReadPlotAxes(drawn.image, nullptr, ocr);
    ASSERT_TRUE(reading.proposal) << reading.refusal.toStdString();
    ASSERT_EQ(reading.proposal->references.size(), 3u);
    EXPECT_TRUE(reading.proposal->yLog);
    Session session;
    session.Picture().SetPicture(drawn.image, PictureType::Bitmap);
    ASSERT_TRUE(ApplyProposedCalibration(session, *reading.proposal));
    EXPECT_EQ(session.moreReferences.size(), 1u);
    EXPECT_TRUE(session.settings.YLog);
    EXPECT_FALSE(session.settings.XLog);
    ASSERT_TRUE(session.Picture().Coordinates().Fitted());
    // A value of the plot reads back where it was drawn: x directly, y as its log10.
    const QPointF user = session.Picture().Coordinates().ToUser(drawn.PixelOf({7, 300}));
    EXPECT_NEAR(user.x(), 7, 0.01);
    EXPECT_NEAR(user.y(), std::log10(300.0), 0.005);
}

TEST(ProposedScale, APlotWhoseLabelsCannotBeReadIsRefusedAndNothingChanges) {
    RasterPlots::Drawn drawn = BoxedPlot(150, false);
    {
        // The y axis's labels painted over.
        QPainter painter(&drawn.image);
        painter.fillRect(QRectF(0, 0, drawn.axes.left() - 12, drawn.image.height()), Qt::white);
    }
    LabelOcr ocr;
    const PlotAxesReading reading = ReadPlotAxes(drawn.image, nullptr, ocr);
    EXPECT_FALSE(reading.proposal);
    // The Y axis is named, the X axis (which reads) is not.
    EXPECT_TRUE(reading.refusal.contains(QStringLiteral("Y axis")))
        << reading.refusal.toStdString();
    EXPECT_FALSE(reading.refusal.contains(QStringLiteral("X axis")));
    EXPECT_TRUE(reading.x.fit);

    // Points that cannot calibrate (both on one spot) change nothing in the session.
    Session session;
    session.Picture().SetPicture(drawn.image, PictureType::Bitmap);
    session.settings.YLog = true;
    const CalibrationRecord before = session.calibration;
    ProposedCalibration same;
    same.references = {{QPointF(100, 100), 1, 1}, {QPointF(100, 100), 1, 1}};
    EXPECT_FALSE(ApplyProposedCalibration(session, same));
    EXPECT_TRUE(session.settings.YLog);
    EXPECT_EQ(session.calibration.X1, before.X1);
    EXPECT_EQ(session.Picture().Coordinates().Edges(), NeutralFrame);
    EXPECT_FALSE(ApplyProposedCalibration(session, ProposedCalibration{}));
}

} // namespace

#include "recognition/RaisedExponent.h"

namespace {

// A label drawn the way plotting programs draw powers of ten: "10" with its exponent set smaller
// and raised.
QImage PowerLabel(const QString& exponent, int pixels) {
    QImage label(pixels * 4, pixels * 2, QImage::Format_RGB32);
    label.fill(Qt::white);
    QPainter painter(&label);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double baseline = pixels * 1.5;
    painter.drawText(QPointF(4, baseline), QStringLiteral("10"));
    const double after = 4 + QFontMetricsF(font).horizontalAdvance(QStringLiteral("10"));
    font.setPixelSize(static_cast<int>(pixels * 0.7));
    painter.setFont(font);
    painter.drawText(QPointF(after, baseline - pixels * 0.45), exponent);
    return label;
}

QImage PlainLabel(const QString& text, int pixels) {
    QImage label(pixels * 5, pixels * 2, QImage::Format_RGB32);
    label.fill(Qt::white);
    QPainter painter(&label);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(4, pixels * 1.5), text);
    return label;
}

TEST(RaisedExponent, TellsARaisedExponentAndItsMinusFromTheBase) {
    for (const int pixels : {14, 20, 40}) {
        const std::optional<RaisedParts> three = FindRaisedExponent(PowerLabel("3", pixels));
        ASSERT_TRUE(three) << pixels;
        EXPECT_FALSE(three->negative);
        EXPECT_GT(three->exponent.left(), three->base.right() - 2);
        EXPECT_LT(three->exponent.bottom(), three->base.bottom() - pixels / 5);
        const std::optional<RaisedParts> minus =
            FindRaisedExponent(PowerLabel(QStringLiteral("\u22122"), pixels));
        ASSERT_TRUE(minus) << pixels;
        EXPECT_TRUE(minus->negative);
        // Numbers on one line have no exponent to read apart, whatever their signs and points.
        for (const char* text : {"100", "1e-3", "-0.5", "2.5"}) {
            EXPECT_FALSE(FindRaisedExponent(PlainLabel(QString::fromLatin1(text), pixels)))
                << text << " " << pixels;
        }
    }
    EXPECT_FALSE(FindRaisedExponent(Paper(40, 20)));
}

TEST(ProposedScale, AnAxisFactorIsAppliedAndOneThatCannotBeReadIsWarnedOf) {
    RasterPlots::Case plot;
    plot.style = RasterPlots::Styles()[1]; // writes "×10³" over its y axis
    ASSERT_TRUE(plot.style.factor);
    plot.dotsPerInch = 150;
    RasterPlots::Drawn drawn = RasterPlots::Draw(plot);
    LabelOcr ocr;
    PlotAxesReading reading = ReadPlotAxes(drawn.image, nullptr, ocr);
    ASSERT_TRUE(reading.proposal) << reading.refusal.toStdString();
    EXPECT_EQ(reading.y.factor, 1000);
    EXPECT_EQ(reading.x.factor, 1);
    EXPECT_TRUE(reading.warnings.isEmpty());
    for (const ProposedReference& reference : reading.proposal->references) {
        // Within a tenth of a pixel: 100000 spans some 550 pixels.
        EXPECT_NEAR(reference.y, drawn.PixelOf({0, 0}).y() > reference.pixel.y() + 5 ? 100000 : 0,
                    20)
            << reference.pixel.y();
    }

    // The factor smudged: the labels alone would read a thousand times too small, so the
    // proposal says so.
    RasterPlots::SmudgeFactor(drawn);
    reading = ReadPlotAxes(drawn.image, nullptr, ocr);
    ASSERT_TRUE(reading.proposal);
    EXPECT_EQ(reading.y.factor, 1);
    ASSERT_EQ(reading.warnings.size(), 1);
    EXPECT_TRUE(reading.warnings[0].startsWith(
        QStringLiteral("something is written over the top of the Y axis")));
}

} // namespace
