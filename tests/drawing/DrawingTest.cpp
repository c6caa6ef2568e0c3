#include "drawing/CurveReading.h"
#include "drawing/DrawingFormat.h"
#include "drawing/DrawingSnap.h"
#include "picture/RotatePixels.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <cmath>

namespace {

DrawnPath Stroke(std::vector<QPointF> points, QRgb color = qRgb(0, 0, 255), double width = 2) {
    DrawnPath path;
    path.points = std::move(points);
    path.pieceStarts = {0};
    path.stroked = true;
    path.strokeColor = color;
    path.strokeWidth = width;
    return path;
}

// A filled dot of radius 3 as an octagon around a centre.
DrawnPath Dot(QPointF centre, QRgb color = qRgb(0, 128, 0), bool stroked = false) {
    DrawnPath path;
    for (int at = 0; at <= 8; ++at) {
        const double angle = at * 3.14159265358979 / 4;
        path.points.push_back(centre + QPointF(3 * std::cos(angle), 3 * std::sin(angle)));
    }
    path.pieceStarts = {0};
    path.closed = true;
    path.filled = !stroked;
    path.fillColor = stroked ? 0 : color;
    path.stroked = stroked;
    path.strokeColor = stroked ? color : 0;
    path.strokeWidth = stroked ? 1 : 0;
    return path;
}

DrawnPath Square(QPointF centre, QRgb color) {
    DrawnPath path;
    path.points = {centre + QPointF(-3, -3), centre + QPointF(3, -3), centre + QPointF(3, 3),
                   centre + QPointF(-3, 3), centre + QPointF(-3, -3)};
    path.pieceStarts = {0};
    path.closed = true;
    path.filled = true;
    path.fillColor = color;
    return path;
}

VectorDrawing Page() {
    VectorDrawing drawing;
    drawing.size = QSizeF(1920, 1440);
    return drawing;
}

} // namespace

TEST(DrawingFormat, KeepsEveryNumberOfADrawing) {
    VectorDrawing drawing = Page();
    DrawnPath line = Stroke({{1.25, 2.5}, {1e-9, -3}, {1919.875, 0.1}, {5, 6}});
    line.pieceStarts = {0, 2};
    line.dashKey = 77;
    line.clip = QRectF(10, 20, 300.5, 400.25);
    drawing.paths.push_back(line);
    drawing.paths.push_back(Dot({100, 100}));
    drawing.texts.push_back({QStringLiteral("10³ −5"), QRectF(1, 2, 3, 4)});
    const std::optional<VectorDrawing> read = ReadDrawingBytes(DrawingBytes(drawing));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size, drawing.size);
    ASSERT_EQ(read->paths.size(), 2u);
    EXPECT_EQ(read->paths[0].points, line.points);
    EXPECT_EQ(read->paths[0].pieceStarts, line.pieceStarts);
    EXPECT_EQ(read->paths[0].dashKey, 77u);
    EXPECT_EQ(read->paths[0].clip, line.clip);
    EXPECT_EQ(read->paths[0].strokeColor, line.strokeColor);
    EXPECT_TRUE(read->paths[1].filled && read->paths[1].closed && !read->paths[1].stroked);
    EXPECT_EQ(read->paths[1].fillColor, qRgb(0, 128, 0));
    ASSERT_EQ(read->texts.size(), 1u);
    EXPECT_EQ(read->texts[0].text, QStringLiteral("10³ −5"));
    EXPECT_EQ(read->texts[0].box, QRectF(1, 2, 3, 4));

    VectorDrawing dropped = Page();
    dropped.dropped = QStringLiteral("it has more than 500000 paths");
    EXPECT_EQ(ReadDrawingBytes(DrawingBytes(dropped))->dropped, dropped.dropped);
}

TEST(DrawingFormat, RefusesDamagedBytesWithoutSettingMemoryAside) {
    VectorDrawing drawing = Page();
    drawing.paths.push_back(Stroke({{1, 2}, {3, 4}, {5, 6}}));
    drawing.texts.push_back({QStringLiteral("5"), QRectF(1, 2, 3, 4)});
    const QByteArray bytes = DrawingBytes(drawing);
    // Cut anywhere, or with a byte more, the drawing is no whole drawing.
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        EXPECT_FALSE(ReadDrawingBytes(bytes.left(size))) << size;
    }
    EXPECT_FALSE(ReadDrawingBytes(bytes + '\0'));

    const auto withWord = [&](qsizetype at, quint32 value) {
        QByteArray changed = bytes;
        qToLittleEndian(value, changed.data() + at);
        return changed;
    };
    EXPECT_FALSE(ReadDrawingBytes(withWord(0, 0x12345678))); // another mark
    EXPECT_FALSE(ReadDrawingBytes(withWord(4, 2)));          // another version
    // Counts far beyond the bytes or the bounds are refused before anything is set aside.
    EXPECT_FALSE(ReadDrawingBytes(withWord(8, 0xFFFFFFFF)));
    EXPECT_FALSE(ReadDrawingBytes(withWord(12, 0xFFFFFFFF)));
    EXPECT_FALSE(ReadDrawingBytes(withWord(16, 0xFFFFFFFF)));
    const qsizetype path = 5 * 4 + 8 * 2;                   // after the header and the page's size
    EXPECT_FALSE(ReadDrawingBytes(withWord(path, 8)));      // unknown flags
    EXPECT_FALSE(ReadDrawingBytes(withWord(path + 16, 4))); // more pieces than points
    EXPECT_FALSE(ReadDrawingBytes(withWord(path + 16, 0))); // points without a piece
    EXPECT_FALSE(ReadDrawingBytes(withWord(path + 20, 0xFFFFFFF))); // points beyond the bytes
    const qsizetype starts = path + 6 * 4 + 5 * 8;
    EXPECT_FALSE(ReadDrawingBytes(withWord(starts, 1))); // the first piece starts at 0
    // A number that is no number.
    QByteArray infinite = bytes;
    qToLittleEndian(std::bit_cast<quint64>(std::numeric_limits<double>::infinity()),
                    infinite.data() + starts + 4);
    EXPECT_FALSE(ReadDrawingBytes(infinite));
}

TEST(DrawingSnap, GoesToTheNearestVertexBeforeAnyStroke) {
    VectorDrawing drawing = Page();
    drawing.paths.push_back(Stroke({{100, 100}, {200, 100}}));
    drawing.paths.push_back(Stroke({{150, 90}, {150, 60}}));
    // Near a vertex: exactly there, though a stroke passes nearer.
    std::optional<DrawingSnap> snap = SnapToDrawing(drawing, {148, 99}, 15);
    ASSERT_TRUE(snap);
    EXPECT_EQ(snap->kind, DrawingSnapKind::Vertex);
    EXPECT_EQ(snap->position, QPointF(150, 90));
    // No vertex within the radius: the nearest point of a stroke.
    snap = SnapToDrawing(drawing, {130.5, 104}, 15);
    ASSERT_TRUE(snap);
    EXPECT_EQ(snap->kind, DrawingSnapKind::Stroke);
    EXPECT_EQ(snap->position, QPointF(130.5, 100));
    // Nothing within the radius.
    EXPECT_FALSE(SnapToDrawing(drawing, {130, 130}, 15));
    EXPECT_FALSE(SnapToDrawing(Page(), {130, 130}, 15));
}

TEST(DrawingSnap, TakesAMarkersCentreNotItsOutline) {
    VectorDrawing drawing = Page();
    drawing.paths.push_back(Stroke({{0, 0}, {1000, 0}}));
    drawing.paths.push_back(Dot({400.25, 300.75}));
    const std::optional<DrawingSnap> snap = SnapToDrawing(drawing, {403, 300}, 15);
    ASSERT_TRUE(snap);
    EXPECT_EQ(snap->kind, DrawingSnapKind::Marker);
    EXPECT_NEAR(snap->position.x(), 400.25, 1e-12);
    EXPECT_NEAR(snap->position.y(), 300.75, 1e-12);
    // A shape as large as a plot's frame is no marker: its corners count.
    DrawnPath frame = Square({960, 720}, qRgb(255, 255, 255));
    for (QPointF& corner : frame.points) {
        corner = QPointF(960, 720) + (corner - QPointF(960, 720)) * 100;
    }
    drawing.paths.push_back(frame);
    const std::optional<DrawingSnap> corner = SnapToDrawing(drawing, {665, 425}, 15);
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->kind, DrawingSnapKind::Vertex);
    EXPECT_EQ(corner->position, QPointF(660, 420));
}

TEST(CurveReading, ReadsEveryVertexOfALineInsideItsClipInOrder) {
    VectorDrawing drawing = Page();
    DrawnPath line = Stroke({{50, 500}, {100, 400}, {200, 450}, {300, 300}, {400, 10}});
    line.clip = QRectF(100, 100, 250, 500);
    drawing.paths.push_back(Stroke({{0, 600}, {1000, 600}}, qRgb(0, 0, 0)));
    drawing.paths.push_back(line);
    const std::optional<CurveReading> reading = ReadCurveAt(drawing, {150, 428}, 15);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->kind, CurveReading::Kind::Line);
    // The first vertex lies left of the axes and the last above them; the vertex on the clip's
    // edge belongs to the plot.
    EXPECT_EQ(reading->positions, (std::vector<QPointF>{{100, 400}, {200, 450}, {300, 300}}));
    EXPECT_FALSE(ReadCurveAt(drawing, {150, 200}, 15));
}

TEST(CurveReading, ReadsADashedLineDrawnAsManyPathsWhole) {
    VectorDrawing drawing = Page();
    drawing.paths.push_back(Stroke({{0, 0}, {5, 5}}, qRgb(255, 0, 0)));
    for (int dash = 0; dash < 5; ++dash) {
        drawing.paths.push_back(
            Stroke({{10.0 + 20 * dash, 100}, {20.0 + 20 * dash, 110.0 + dash}}, qRgb(0, 0, 255)));
    }
    // The same colour in another width is another line.
    drawing.paths.push_back(Stroke({{200, 200}, {210, 210}}, qRgb(0, 0, 255), 4));
    const std::optional<CurveReading> reading = ReadCurveAt(drawing, {50, 100}, 15);
    ASSERT_TRUE(reading);
    ASSERT_EQ(reading->positions.size(), 10u);
    EXPECT_EQ(reading->positions.front(), QPointF(10, 100));
    EXPECT_EQ(reading->positions.back(), QPointF(100, 114));
}

TEST(CurveReading, ReadsTheCentreOfEveryMarkerOfTheSameShapeAndColourOnce) {
    VectorDrawing drawing = Page();
    const std::vector<QPointF> centres{{100, 100}, {150.5, 120.25}, {200, 80}, {250, 60}};
    for (const QPointF& centre : centres) {
        // Each marker is filled, then stroked, as pages draw them.
        drawing.paths.push_back(Dot(centre));
        drawing.paths.push_back(Dot(centre, qRgb(0, 128, 0), true));
        // Another series: squares of the same colour, dots of another.
        drawing.paths.push_back(Square(centre + QPointF(0, 40), qRgb(0, 128, 0)));
        drawing.paths.push_back(Dot(centre + QPointF(0, 80), qRgb(200, 0, 0)));
    }
    DrawnPath clipped = Dot({300, 50});
    clipped.clip = QRectF(0, 60, 1000, 1000);
    drawing.paths.push_back(clipped);
    const std::optional<CurveReading> reading = ReadCurveAt(drawing, {151, 121}, 15);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->kind, CurveReading::Kind::Markers);
    ASSERT_EQ(reading->positions.size(), centres.size());
    for (std::size_t at = 0; at < centres.size(); ++at) {
        EXPECT_NEAR(reading->positions[at].x(), centres[at].x(), 1e-12);
        EXPECT_NEAR(reading->positions[at].y(), centres[at].y(), 1e-12);
    }
    const std::optional<CurveReading> squares = ReadCurveAt(drawing, {200, 121}, 15);
    ASSERT_TRUE(squares);
    EXPECT_EQ(squares->positions.size(), centres.size());
    EXPECT_EQ(squares->positions[1], QPointF(150.5, 160.25));
}

TEST(TurnedDrawing, FollowsThePixelsOfATurnedPicture) {
    // A dark block in a white picture, turned as Rotate turns pictures: the turned drawing's
    // point lands where the block's centre went, within the pixels' rounding.
    const QSize source(300, 200);
    for (const double degrees : {90.0, 30.0, 200.0}) {
        for (const QPoint pixel : {QPoint(40, 30), QPoint(250, 170), QPoint(151, 99)}) {
            QImage picture(source, QImage::Format_RGB32);
            picture.fill(Qt::white);
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    picture.setPixel(pixel + QPoint(dx, dy), qRgb(0, 0, 0));
                }
            }
            double angle = degrees;
            const QSize size = RotatedSize(source, degrees * 3.14159265358979 / 180);
            QImage turned(size, QImage::Format_RGB32);
            turned.fill(Qt::white);
            RotatePixels(turned, picture, angle);
            QPointF sum(0, 0);
            int count = 0;
            for (int y = 0; y < turned.height(); ++y) {
                for (int x = 0; x < turned.width(); ++x) {
                    if (qRed(turned.pixel(x, y)) < 128) {
                        sum += QPointF(x, y);
                        ++count;
                    }
                }
            }
            const QPointF dark = count > 0 ? sum / count : QPointF(-1, -1);
            VectorDrawing drawing = Page();
            drawing.paths.push_back(Stroke({QPointF(pixel), QPointF(pixel)}));
            const VectorDrawing after = TurnedDrawing(drawing, source, size, angle);
            ASSERT_NE(dark, QPointF(-1, -1));
            EXPECT_NEAR(after.paths[0].points[0].x(), dark.x(), 1) << degrees;
            EXPECT_NEAR(after.paths[0].points[0].y(), dark.y(), 1) << degrees;
            EXPECT_EQ(after.size, QSizeF(size));
        }
    }
}
