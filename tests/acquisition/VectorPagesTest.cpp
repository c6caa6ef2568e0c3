#include "TestData.h"
#include "VectorPlots.h"
#include "core/AppError.h"
#include "decoding/DecoderProcess.h"
#include "decoding/DecoderReply.h"
#include "decoding/PdfPages.h"
#include "decoding/SvgPictures.h"
#include "decoding/VectorRecorder.h"
#include "drawing/DrawingFormat.h"

#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using VectorPlots::Plot;

constexpr double Exact = 1e-6; // pixels

// The paths of a drawing stroked or filled in a colour.
std::vector<const DrawnPath*> PathsIn(const VectorDrawing& drawing, const QColor& color) {
    std::vector<const DrawnPath*> found;
    for (const DrawnPath& path : drawing.paths) {
        if ((path.stroked && path.strokeColor == color.rgba()) ||
            (path.filled && path.fillColor == color.rgba())) {
            found.push_back(&path);
        }
    }
    return found;
}

// Every vertex of the line and every marker's centre stands where the data puts it; on a PDF
// page the axes clip the data.
void ExpectExactSeries(const VectorDrawing& drawing, const Plot& plot,
                       const std::function<QPointF(QPointF)>& pictureOf, bool clipped = true) {
    const auto line = PathsIn(drawing, plot.series[0].color);
    ASSERT_EQ(line.size(), 1u);
    ASSERT_EQ(line[0]->points.size(), plot.series[0].data.size());
    EXPECT_EQ(line[0]->dashKey, 0u);
    for (std::size_t at = 0; at < line[0]->points.size(); ++at) {
        const QPointF expected = pictureOf(plot.series[0].data[at]);
        EXPECT_NEAR(line[0]->points[at].x(), expected.x(), Exact) << at;
        EXPECT_NEAR(line[0]->points[at].y(), expected.y(), Exact) << at;
    }
    if (clipped) {
        const QPointF corner = pictureOf({plot.xFrom, plot.yFrom});
        const QPointF opposite = pictureOf({plot.xTo, plot.yTo});
        EXPECT_NEAR(line[0]->clip.left(), std::min(corner.x(), opposite.x()), 1e-3);
        EXPECT_NEAR(line[0]->clip.bottom(), std::max(corner.y(), opposite.y()), 1e-3);
    }

    const auto dashed = PathsIn(drawing, plot.series[1].color);
    ASSERT_EQ(dashed.size(), 1u);
    EXPECT_NE(dashed[0]->dashKey, 0u);
    EXPECT_EQ(dashed[0]->points.size(), plot.series[1].data.size());

    const auto markers = PathsIn(drawing, plot.series[2].color);
    ASSERT_EQ(markers.size(), 2 * plot.series[2].data.size()) << "a fill and a stroke each";
    for (std::size_t at = 0; at < markers.size(); ++at) {
        ASSERT_TRUE(IsMarker(*markers[at], drawing.size)) << at;
        const QPointF expected = pictureOf(plot.series[2].data[at / 2]);
        EXPECT_NEAR(MarkerCentre(*markers[at]).x(), expected.x(), Exact) << at;
        EXPECT_NEAR(MarkerCentre(*markers[at]).y(), expected.y(), Exact) << at;
    }
}

QStringList TextsOf(const VectorDrawing& drawing) {
    QStringList texts;
    for (const DrawnText& text : drawing.texts) {
        texts << text.text;
    }
    return texts;
}

TEST(VectorPages, APdfPageGivesItsDrawingExactlyWithItsTexts) {
    for (const bool yLog : {false, true}) {
        const Plot plot = VectorPlots::ThreeSeries(yLog);
        const LoadedPicture page =
            RenderPdfPage(VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), {1, 300, false});
        ASSERT_TRUE(page.drawing);
        EXPECT_EQ(page.drawing->size, QSizeF(page.image.size()));
        ExpectExactSeries(*page.drawing, plot, [&](QPointF value) {
            return VectorPlots::PicturePoint(plot, value, 300);
        });
        // The tick labels with their places, from the page's text.
        const QStringList texts = TextsOf(*page.drawing);
        for (const double tick : plot.yTicks) {
            EXPECT_TRUE(texts.contains(QString::number(tick, 'g', 6))) << tick;
        }
    }
}

TEST(VectorPages, ATurnedPageGivesItsDrawingAsShown) {
    Plot plot = VectorPlots::ThreeSeries();
    plot.rotate = 90;
    const LoadedPicture page =
        RenderPdfPage(VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), {1, 150, false});
    ASSERT_TRUE(page.drawing);
    EXPECT_GT(page.image.height(), page.image.width());
    ExpectExactSeries(*page.drawing, plot,
                      [&](QPointF value) { return VectorPlots::PicturePoint(plot, value, 150); });
}

TEST(VectorPages, PreviewsAndScannedPagesHaveNoDrawingToRead) {
    const Plot plot = VectorPlots::ThreeSeries();
    PdfPageRequest preview;
    preview.preview = true;
    EXPECT_FALSE(
        RenderPdfPage(VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), preview).drawing);
    const LoadedPicture scanned =
        RenderPdfPage(VectorPlots::ScannedPagePdf(), QStringLiteral("scan.pdf"), {1, 72, false});
    ASSERT_TRUE(scanned.drawing);
    EXPECT_FALSE(scanned.drawing->HasPaths());
    EXPECT_TRUE(scanned.drawing->dropped.isEmpty());
    // Its pixels are there as for any page.
    EXPECT_NE(scanned.image.pixel(10, 10), qRgb(255, 255, 255));
}

// Qt's SVG renderer neither clips nor hands texts over as texts (they arrive as shapes).
TEST(VectorPages, AnSvgFileGivesItsDrawingExactly) {
    for (const bool yLog : {false, true}) {
        const Plot plot = VectorPlots::ThreeSeries(yLog);
        const QByteArray svg = VectorPlots::SvgFile(plot);
        EXPECT_TRUE(LooksLikeSvg(svg));
        const LoadedPicture picture = RenderSvgFile(svg, QStringLiteral("plot.svg"));
        EXPECT_EQ(picture.type, PictureType::SvgDrawing);
        EXPECT_EQ(picture.image.size(), QSize(1920, 1440));
        ASSERT_TRUE(picture.drawing);
        ExpectExactSeries(
            *picture.drawing, plot,
            [&](QPointF value) { return VectorPlots::PicturePoint(plot, value, 300); }, false);
    }
}

TEST(VectorPages, SvgFilesThatCannotBeDrawnAreRefusedByName) {
    const auto refusal = [](const QByteArray& bytes) {
        try {
            RenderSvgFile(bytes, QStringLiteral("/figures/broken.svg"));
        } catch (const AppError& error) {
            EXPECT_TRUE(error.description.contains(QStringLiteral("/figures/broken.svg")));
            return error.description;
        }
        ADD_FAILURE() << "drawn";
        return QString();
    };
    EXPECT_TRUE(
        refusal("<svg xmlns='http://www.w3.org/2000/svg'><g>").contains(QStringLiteral("damaged")));
    EXPECT_TRUE(refusal("<svg xmlns='http://www.w3.org/2000/svg' width='0' height='0'/>")
                    .contains(QStringLiteral("no size")));
    // An SVG is told by its content; a picture's signature wins over an "<svg" inside it.
    EXPECT_FALSE(LooksLikeSvg(QByteArray("\x89PNG\r\n\x1a\n<svg", 12)));
    EXPECT_FALSE(LooksLikeSvg("%PDF-1.4 <svg"));
    EXPECT_TRUE(LooksLikeSvg("<?xml version='1.0'?>\n<!-- a figure -->\n<svg>"));
}

TEST(VectorPages, TextsDrawnAsTextsAreKeptWhereTheyStandWhenAsked) {
    for (const bool keep : {true, false}) {
        VectorRecorder recorder(QSize(300, 200), keep);
        {
            QPainter painter(&recorder);
            painter.translate(100, 50);
            painter.drawText(QPointF(10, 40), QStringLiteral("2.5"));
        }
        const VectorDrawing drawing = recorder.Take();
        EXPECT_TRUE(drawing.paths.empty()) << "the glyphs are not kept as shapes";
        if (!keep) {
            EXPECT_TRUE(drawing.texts.empty());
            continue;
        }
        ASSERT_EQ(drawing.texts.size(), 1u);
        EXPECT_EQ(drawing.texts[0].text, QStringLiteral("2.5"));
        // The box stands on the baseline at (110, 90), turned into the program's positions.
        EXPECT_NEAR(drawing.texts[0].box.left(), 109.5, 1e-9);
        EXPECT_LT(drawing.texts[0].box.top(), 89.5);
        EXPECT_GT(drawing.texts[0].box.bottom(), 89.5);
    }
}

TEST(VectorPages, ADrawingPastItsBoundsIsDroppedWithItsReason) {
    VectorRecorder paths(QSize(100, 100), false);
    {
        QPainter painter(&paths);
        for (std::size_t at = 0; at <= MostDrawingPaths; ++at) {
            painter.drawLine(QPointF(1, 1), QPointF(2, 2));
        }
    }
    VectorDrawing tooMany = paths.Take();
    EXPECT_TRUE(tooMany.paths.empty());
    EXPECT_EQ(tooMany.dropped, QStringLiteral("it has more than 500000 paths"));

    VectorRecorder points(QSize(100, 100), false);
    {
        QPainter painter(&points);
        QPainterPath path;
        path.moveTo(0, 0);
        for (std::size_t at = 0; at < MostDrawingPoints; ++at) {
            path.lineTo(static_cast<double>(at % 100), 1);
        }
        painter.drawPath(path);
    }
    EXPECT_EQ(points.Take().dropped, QStringLiteral("it has more than 2000000 points"));
}

TEST(VectorPages, TheDecoderRepliesWithTheDrawingAndRefusesADamagedOne) {
    const Plot plot = VectorPlots::ThreeSeries();
    const LoadedPicture page =
        RenderPdfPage(VectorPlots::PdfFile(plot), QStringLiteral("plot.pdf"), {1, 72, false});
    const QByteArray reply = PictureReply(page);
    DecoderReplyReader reader;
    // In pieces, as a pipe delivers it.
    for (qsizetype at = 0; at < reply.size(); at += 4093) {
        reader.Feed(reply.constData() + at, std::min<qsizetype>(4093, reply.size() - at));
    }
    ASSERT_EQ(reader.Finish(), DecoderReplyReader::State::Picture);
    ASSERT_TRUE(reader.Picture().drawing);
    EXPECT_EQ(DrawingBytes(*reader.Picture().drawing), DrawingBytes(*page.drawing));

    const auto stateOf = [](const QByteArray& bytes) {
        DecoderReplyReader damaged;
        damaged.Feed(bytes.constData(), bytes.size());
        return damaged.Finish();
    };
    // A drawing byte changed: its mark.
    const qsizetype drawingAt = reply.size() - DrawingBytes(*page.drawing).size();
    QByteArray markChanged = reply;
    markChanged[drawingAt] = 'X';
    EXPECT_EQ(stateOf(markChanged), DecoderReplyReader::State::Damaged);
    // A bitmap that claims a drawing.
    QByteArray bitmap = reply;
    qToLittleEndian<quint32>(static_cast<quint32>(PictureType::Bitmap), bitmap.data() + 8);
    EXPECT_EQ(stateOf(bitmap), DecoderReplyReader::State::Damaged);
    // A drawing longer than any drawing may be.
    QByteArray huge = reply;
    qToLittleEndian<quint32>(0xFFFFFFF0u, huge.data() + 8 + 32);
    EXPECT_EQ(stateOf(huge), DecoderReplyReader::State::Damaged);
}

TEST(VectorPages, TheDecoderProcessReadsPdfPagesAndSvgFilesWithTheirDrawing) {
    QTemporaryDir folder;
    const Plot plot = VectorPlots::ThreeSeries();
    const QString pdf = folder.filePath(QStringLiteral("plot.pdf"));
    const QString svg = folder.filePath(QStringLiteral("plot.svg"));
    ASSERT_TRUE(WriteFile(pdf, VectorPlots::PdfFile(plot)));
    ASSERT_TRUE(WriteFile(svg, VectorPlots::SvgFile(plot)));
    const std::optional<LoadedPicture> page =
        DecodeInChildProcess(pdf, DecodeWait{}, {1, 300, false});
    ASSERT_TRUE(page && page->drawing);
    ExpectExactSeries(*page->drawing, plot,
                      [&](QPointF value) { return VectorPlots::PicturePoint(plot, value, 300); });
    // Asked for pixels only, the page comes without its drawing, its pixels the same.
    PdfPageRequest pixelsOnly{1, 300, false, false};
    const std::optional<LoadedPicture> pixels = DecodeInChildProcess(pdf, DecodeWait{}, pixelsOnly);
    ASSERT_TRUE(pixels);
    EXPECT_FALSE(pixels->drawing);
    EXPECT_EQ(pixels->image, page->image);
    const std::optional<LoadedPicture> drawn = DecodeInChildProcess(svg, DecodeWait{});
    ASSERT_TRUE(drawn && drawn->drawing);
    EXPECT_EQ(drawn->type, PictureType::SvgDrawing);
    ExpectExactSeries(
        *drawn->drawing, plot,
        [&](QPointF value) { return VectorPlots::PicturePoint(plot, value, 300); }, false);
}

} // namespace
