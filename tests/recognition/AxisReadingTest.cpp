#include "recognition/AxisLabelText.h"
#include "recognition/AxisTickFit.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(AxisLabelText, ReadsTheWaysPlotsWriteTheirNumbers) {
    const struct {
        const char* text;
        double value;
    } numbers[] = {
        {"0", 0},
        {"2.5", 2.5},
        {"-3", -3},
        {"+4", 4},
        {".5", 0.5},
        {"5.", 5},
        {"1,000", 1000},
        {"12,345,678", 12345678},
        {"1e3", 1000},
        {"2.5E-2", 0.025},
        {"10^3", 1000},
        {"10^-3", 0.001},
        {" 1 0 0 ", 100},
        {"2x10^4", 20000},
        {"-1.5*10^-2", -0.015},
    };
    for (const auto& number : numbers) {
        const std::optional<AxisLabel> label = ReadAxisLabel(QString::fromUtf8(number.text));
        ASSERT_TRUE(label) << number.text;
        EXPECT_EQ(label->kind, AxisLabel::Kind::Number) << number.text;
        EXPECT_DOUBLE_EQ(label->value, number.value) << number.text;
    }
    // Signs, times signs and raised exponents as fonts draw them.
    EXPECT_DOUBLE_EQ(ReadAxisLabel(QStringLiteral("\u22122.5"))->value, -2.5);
    EXPECT_DOUBLE_EQ(ReadAxisLabel(QStringLiteral("10\u00b3"))->value, 1000);
    EXPECT_DOUBLE_EQ(ReadAxisLabel(QStringLiteral("10\u207b\u00b2"))->value, 0.01);
    EXPECT_DOUBLE_EQ(ReadAxisLabel(QStringLiteral("3\u00d710\u2074"))->value, 30000);
}

TEST(AxisLabelText, TellsAnAxisFactorFromATicksValue) {
    for (const QString& text : {QStringLiteral("\u00d710\u00b3"), QStringLiteral("x10^3"),
                                QStringLiteral("\u00d7 1e3")}) {
        const std::optional<AxisLabel> label = ReadAxisLabel(text);
        ASSERT_TRUE(label) << text.toStdString();
        EXPECT_EQ(label->kind, AxisLabel::Kind::Multiplier) << text.toStdString();
        EXPECT_DOUBLE_EQ(label->value, 1000) << text.toStdString();
    }
}

TEST(AxisLabelText, RefusesWhatIsNoNumber) {
    for (const char* text : {"", " ", "Time (s)", "1.2.3", "1e", "e3", "10^", "1,00", "12a", "--3",
                             "x", "x10", "1e99999", "10^400", "."}) {
        EXPECT_FALSE(ReadAxisLabel(QString::fromUtf8(text))) << text;
    }
}

std::vector<AxisTick> TicksOf(const std::vector<double>& values, double offset, double scale,
                              bool logarithmic) {
    std::vector<AxisTick> ticks;
    for (const double value : values) {
        ticks.push_back({offset + scale * (logarithmic ? std::log10(value) : value), value});
    }
    return ticks;
}

TEST(AxisTickFit, TakesTheTicksThatAgreeAndLeavesAMisreadLabelOut) {
    std::vector<AxisTick> ticks = TicksOf({0, 2, 4, 6, 8, 10}, 240, 148.8, false);
    ticks[3].value = 8; // "6" read as "8"
    ticks[1].position += 0.3;
    const AxisTickFitOutcome outcome = FitAxisTicks(ticks, QStringLiteral("X"));
    ASSERT_TRUE(outcome.fit) << outcome.refusal.toStdString();
    const AxisTickFit& fit = *outcome.fit;
    EXPECT_FALSE(fit.logarithmic);
    EXPECT_EQ(fit.usedCount, 5);
    EXPECT_FALSE(fit.used[3]);
    EXPECT_GT(fit.residuals[3], 100);
    EXPECT_LE(fit.worstUsedResidual, AgreeingTickPixels);
    EXPECT_NEAR(fit.ValueAt(240 + 148.8 * 7), 7, 0.01);
}

TEST(AxisTickFit, TellsALogAxisByItsResiduals) {
    const std::vector<AxisTick> ticks = TicksOf({1, 10, 100, 1000, 10000}, 1281, -277.2, true);
    const AxisTickFitOutcome outcome = FitAxisTicks(ticks, QStringLiteral("Y"));
    ASSERT_TRUE(outcome.fit);
    EXPECT_TRUE(outcome.fit->logarithmic);
    EXPECT_EQ(outcome.fit->usedCount, 5);
    EXPECT_NEAR(outcome.fit->ValueAt(1281 - 277.2 * 2.5), std::pow(10.0, 2.5), 1e-6);
    // A linear axis whose values are all above 0 stays linear.
    const AxisTickFitOutcome linear =
        FitAxisTicks(TicksOf({1, 2, 3, 4, 5}, 100, 50, false), QStringLiteral("X"));
    ASSERT_TRUE(linear.fit);
    EXPECT_FALSE(linear.fit->logarithmic);
}

TEST(AxisTickFit, RefusesAnAxisWithTooFewTicksThatAgree) {
    // Two good ticks and two misread ones.
    std::vector<AxisTick> ticks = TicksOf({0, 1, 2, 3}, 0, 100, false);
    ticks[2].value = 7;
    ticks[3].value = 0.3;
    const AxisTickFitOutcome outcome = FitAxisTicks(ticks, QStringLiteral("X"));
    EXPECT_FALSE(outcome.fit);
    EXPECT_EQ(outcome.refusal, QStringLiteral("too few labelled ticks of the X axis agree (2 of "
                                              "4; at least 3 are needed)"));
    // Ticks further off their line than the tolerance do not agree.
    std::vector<AxisTick> loose = TicksOf({0, 1, 2}, 0, 100, false);
    loose[0].position += 0.8;
    loose[1].position -= 0.8;
    loose[2].position += 0.8;
    const AxisTickFitOutcome looseOutcome = FitAxisTicks(loose, QStringLiteral("Y"));
    EXPECT_FALSE(looseOutcome.fit);
    EXPECT_TRUE(looseOutcome.refusal.contains(QStringLiteral("(2 of 3;")));
    EXPECT_FALSE(FitAxisTicks({}, QStringLiteral("Y")).fit);
    EXPECT_FALSE(FitAxisTicks(TicksOf({5, 5, 5}, 0, 1, false), QStringLiteral("Y")).fit);
}

} // namespace

#include "VectorPlots.h"
#include "decoding/PdfPages.h"
#include "recognition/DrawnAxes.h"

namespace {

TEST(DrawnAxes, APdfPlotsTicksAndLabelsCalibrateBothAxesExactly) {
    for (const bool yLog : {false, true}) {
        const VectorPlots::Plot plot = VectorPlots::ThreeSeries(yLog);
        const LoadedPicture page =
            RenderPdfPage(VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), {1, 300, false});
        const DrawnAxes axes = FindDrawnAxes(*page.drawing);
        ASSERT_TRUE(axes.x && axes.y) << yLog;
        EXPECT_EQ(axes.x->ticks.size(), plot.xTicks.size());
        EXPECT_EQ(axes.y->ticks.size(), plot.yTicks.size());
        const AxisTickFitOutcome x = FitAxisTicks(TicksAlong(*axes.x), QStringLiteral("X"));
        const AxisTickFitOutcome y = FitAxisTicks(TicksAlong(*axes.y), QStringLiteral("Y"));
        ASSERT_TRUE(x.fit && y.fit) << (x.refusal + y.refusal).toStdString();
        EXPECT_FALSE(x.fit->logarithmic);
        EXPECT_EQ(y.fit->logarithmic, yLog);
        EXPECT_LT(x.fit->worstUsedResidual, 1e-6);
        EXPECT_LT(y.fit->worstUsedResidual, 1e-6);
        // A point of the data read through the two fits lands on its value.
        const QPointF data = plot.series[0].data[17];
        const QPointF pixel = VectorPlots::PicturePoint(plot, data, 300);
        const auto along = [](const DrawnAxis& axis, QPointF point) {
            const QPointF direction = axis.line.p2() - axis.line.p1();
            return QPointF::dotProduct(point - axis.line.p1(), direction) /
                   std::hypot(direction.x(), direction.y());
        };
        EXPECT_NEAR(x.fit->ValueAt(along(*axes.x, pixel)), data.x(), 1e-9);
        EXPECT_NEAR(y.fit->ValueAt(along(*axes.y, pixel)) / data.y(), 1, 1e-9);
    }
}

TEST(DrawnAxes, ADrawingWithoutLabelsHasNoAxesToRead) {
    VectorDrawing drawing;
    drawing.size = QSizeF(1000, 800);
    DrawnPath frame;
    frame.points = {{100, 700}, {900, 700}, {900, 100}, {100, 100}, {100, 700}};
    frame.pieceStarts = {0};
    frame.stroked = true;
    drawing.paths.push_back(frame);
    for (int tick = 0; tick < 5; ++tick) {
        DrawnPath mark;
        mark.points = {{100.0 + 200 * tick, 700}, {100.0 + 200 * tick, 712}};
        mark.pieceStarts = {0};
        mark.stroked = true;
        drawing.paths.push_back(mark);
    }
    EXPECT_FALSE(FindDrawnAxes(drawing).x);
    // With labels under the ticks, the axis is found; a title that reads as no number is not
    // taken for a label.
    for (int tick = 0; tick < 5; ++tick) {
        drawing.texts.push_back(
            {QString::number(tick * 5), QRectF(90.0 + 200 * tick, 720, 20, 14)});
    }
    drawing.texts.push_back({QStringLiteral("Time (s)"), QRectF(450, 750, 100, 14)});
    const DrawnAxes axes = FindDrawnAxes(drawing);
    ASSERT_TRUE(axes.x);
    EXPECT_EQ(axes.x->ticks.size(), 5u);
    EXPECT_FALSE(axes.y);
}

} // namespace

#include "recognition/AxesCalibration.h"

namespace {

FittedAxis Fitted(const DrawnAxis& axis) {
    const std::vector<AxisTick> ticks = TicksAlong(axis);
    const AxisTickFitOutcome outcome = FitAxisTicks(ticks, QStringLiteral("X"));
    EXPECT_TRUE(outcome.fit) << outcome.refusal.toStdString();
    return {axis.line, ticks, outcome.fit.value_or(AxisTickFit{})};
}

TEST(AxesCalibration, AnUprightPlotGetsTwoReferencePointsAtItsOuterTicks) {
    const VectorPlots::Plot plot = VectorPlots::ThreeSeries(true);
    const LoadedPicture page =
        RenderPdfPage(VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), {1, 300, false});
    const DrawnAxes axes = FindDrawnAxes(*page.drawing);
    ASSERT_TRUE(axes.x && axes.y);
    const FittedAxis x = Fitted(*axes.x);
    const FittedAxis y = Fitted(*axes.y);
    const std::optional<ProposedCalibration> proposal = ProposeCalibration(x, y);
    ASSERT_TRUE(proposal);
    EXPECT_FALSE(proposal->xLog);
    EXPECT_TRUE(proposal->yLog);
    ASSERT_EQ(proposal->references.size(), 2u);
    // At the outer ticks: the first x and the last, the lowest y and the highest, each point
    // where the plot puts its values.
    const ProposedReference& one = proposal->references[0];
    const ProposedReference& other = proposal->references[1];
    EXPECT_NEAR(std::min(one.x, other.x), 0, 1e-9);
    EXPECT_NEAR(std::max(one.x, other.x), 10, 1e-9);
    EXPECT_NEAR(std::min(one.y, other.y), 1, 1e-9);
    EXPECT_NEAR(std::max(one.y, other.y), 1e4, 1e-6);
    for (const ProposedReference& reference : proposal->references) {
        const QPointF where = VectorPlots::PicturePoint(plot, {reference.x, reference.y}, 300);
        EXPECT_NEAR(reference.pixel.x(), where.x(), 1e-6);
        EXPECT_NEAR(reference.pixel.y(), where.y(), 1e-6);
    }
}

TEST(AxesCalibration, ATurnedAndSkewedFrameGetsAThirdPointAndReadsExactly) {
    // Axes turned by 0.7 degrees, the y axis leaning 0.3 degrees more: ticks every 100 pixels
    // for 0, 1, ... on x and 0, 10, ... on y, from the origin (200, 900).
    const double turn = 0.7 * 3.14159265358979 / 180;
    const double lean = 1.0 * 3.14159265358979 / 180;
    const QPointF origin(200, 900);
    const QPointF u(std::cos(turn), std::sin(turn));
    const QPointF v(std::sin(lean), -std::cos(lean));
    FittedAxis x{QLineF(origin, origin + u * 800), {}, {}};
    FittedAxis y{QLineF(origin, origin + v * 700), {}, {}};
    for (int tick = 0; tick <= 7; ++tick) {
        x.ticks.push_back({100.0 * tick, double(tick)});
        y.ticks.push_back({100.0 * tick, 10.0 * tick});
    }
    x.fit = *FitAxisTicks(x.ticks, QStringLiteral("X")).fit;
    y.fit = *FitAxisTicks(y.ticks, QStringLiteral("Y")).fit;
    const std::optional<ProposedCalibration> proposal = ProposeCalibration(x, y);
    ASSERT_TRUE(proposal);
    EXPECT_EQ(proposal->references.size(), 3u);
    // A point at x = 3.5, y = 42 of the plot reads back exactly.
    const QPointF point = origin + u * 350 + v * 420;
    const std::optional<QPointF> values = ValuesAt(x, y, point);
    ASSERT_TRUE(values);
    EXPECT_NEAR(values->x(), 3.5, 1e-9);
    EXPECT_NEAR(values->y(), 42, 1e-9);
    // Parallel axes cannot calibrate.
    FittedAxis parallel = y;
    parallel.line = QLineF(origin + QPointF(0, -50), origin + QPointF(0, -50) + u * 800);
    EXPECT_FALSE(ProposeCalibration(x, parallel));
}

} // namespace

#include "recognition/LabelOcr.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace {

// A label as a plot draws it: dark text on white, at a size in pixels, optionally passed
// through JPEG at quality 75.
QImage DrawnLabel(const QString& text, int pixelSize, bool jpeg) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    QImage image(pixelSize * (text.size() + 2), pixelSize * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
    }
    if (!jpeg) {
        return image;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 75);
    return QImage::fromData(bytes, "JPEG");
}

TEST(LabelOcr, ReadsTickLabelsFromSmallToLargeAndThroughJpeg) {
    LabelOcr reader;
    ASSERT_TRUE(reader.Ready()) << "Tesseract's English model is installed by the setup";
    const struct {
        const char* text;
        double value;
    } labels[] = {{"0", 0},      {"2.5", 2.5},     {"-3", -3},        {"100", 100},
                  {"1e3", 1000}, {"0.001", 0.001}, {"12,000", 12000}, {"7.75", 7.75}};
    int read = 0;
    int tried = 0;
    for (const int size : {13, 17, 25, 40}) {
        for (const bool jpeg : {false, true}) {
            for (const auto& label : labels) {
                ++tried;
                const QString text =
                    reader.Read(DrawnLabel(QString::fromLatin1(label.text), size, jpeg));
                const std::optional<AxisLabel> parsed = ReadAxisLabel(text);
                if (parsed && parsed->value == label.value) {
                    ++read;
                } else {
                    ADD_FAILURE() << label.text << " at " << size << (jpeg ? " (JPEG)" : "")
                                  << " read as \"" << text.toStdString() << "\"";
                }
            }
        }
    }
    EXPECT_EQ(read, tried);
    // A region without ink reads as nothing.
    QImage blank(40, 20, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_TRUE(reader.Read(blank).isEmpty());
}

} // namespace

#include "recognition/PictureAxes.h"

namespace {

// The axes of a plot's pixels, labels read by OCR: what Auto Scale does with a scan.
std::optional<FittedAxis> ReadPictureAxis(const QImage& picture, const PictureAxis& axis,
                                          LabelOcr& reader, const QString& name) {
    DrawnAxis read{axis.line, {}, 1};
    for (const TickMark& tick : axis.ticks) {
        if (tick.labelInk.isEmpty()) {
            continue;
        }
        const QString text = reader.Read(picture.copy(tick.labelInk.adjusted(-4, -4, 4, 4)));
        if (const std::optional<AxisLabel> label = ReadAxisLabel(text);
            label && label->kind == AxisLabel::Kind::Number) {
            read.ticks.push_back({tick.onAxis, text, label->value});
        }
    }
    const std::vector<AxisTick> ticks = TicksAlong(read);
    const AxisTickFitOutcome outcome = FitAxisTicks(ticks, name);
    if (!outcome.fit) {
        ADD_FAILURE() << outcome.refusal.toStdString();
        return std::nullopt;
    }
    return FittedAxis{axis.line, ticks, *outcome.fit};
}

TEST(PictureAxes, APlotsPixelsCalibrateWithinHalfAPixel) {
    LabelOcr reader;
    ASSERT_TRUE(reader.Ready());
    for (const int dotsPerInch : {150, 300}) {
        for (const bool yLog : {false, true}) {
            const VectorPlots::Plot plot = VectorPlots::ThreeSeries(yLog);
            const LoadedPicture page = RenderPdfPage(
                VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), {1, dotsPerInch, false});
            const PictureAxes axes = FindPictureAxes(page.image);
            ASSERT_TRUE(axes.x && axes.y) << dotsPerInch;
            EXPECT_EQ(axes.x->ticks.size(), plot.xTicks.size()) << dotsPerInch;
            EXPECT_EQ(axes.y->ticks.size(), plot.yTicks.size()) << dotsPerInch;
            const std::optional<FittedAxis> x =
                ReadPictureAxis(page.image, *axes.x, reader, QStringLiteral("X"));
            const std::optional<FittedAxis> y =
                ReadPictureAxis(page.image, *axes.y, reader, QStringLiteral("Y"));
            ASSERT_TRUE(x && y) << dotsPerInch << " " << yLog;
            EXPECT_EQ(y->fit.logarithmic, yLog);
            // Every point of the data lands within half a pixel of where the plot drew it.
            double worst = 0;
            for (const QPointF& value : plot.series[0].data) {
                const QPointF pixel = VectorPlots::PicturePoint(plot, value, dotsPerInch);
                const std::optional<QPointF> read = ValuesAt(*x, *y, pixel);
                ASSERT_TRUE(read);
                const QPointF back(x->fit.PositionOf(read->x()), y->fit.PositionOf(read->y()));
                const QPointF truth(x->fit.PositionOf(value.x()), y->fit.PositionOf(value.y()));
                worst = std::max(
                    {worst, std::fabs(back.x() - truth.x()), std::fabs(back.y() - truth.y())});
            }
            EXPECT_LT(worst, 0.5) << dotsPerInch << " " << yLog;
        }
    }
}

} // namespace
