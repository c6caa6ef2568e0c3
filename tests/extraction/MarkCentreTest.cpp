#include "extraction/MarkCentre.h"
#include "core/Settings.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace {

QImage WhitePage(int width, int height) {
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// A drawn point at p (QPainter's continuous coordinates) stands at p - (0.5, 0.5) in the
// program's pixel convention, where pixel (i, j) covers [i, i + 1) and stands at (i, j).
QPointF Expected(QPointF drawn) {
    return drawn - QPointF(0.5, 0.5);
}

TEST(MarkCentre, ClicksNearAMarkerFindItsCentre) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> fraction(0, 1);
    for (const double radius : {3.0, 4.0, 6.0}) {
        for (int trial = 0; trial < 20; ++trial) {
            QImage page = WhitePage(80, 80);
            const QPointF centre(40 + fraction(random), 40 + fraction(random));
            QPainter painter(&page);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(trial % 2 == 0 ? QColor(Qt::red) : QColor(20, 20, 120));
            painter.drawEllipse(centre, radius, radius);
            painter.end();
            // Up to 3 pixels off, and inside the marker.
            const double reach = std::min(3.0, radius - 1);
            const QPoint click(
                static_cast<int>(centre.x() - 0.5 + reach * (fraction(random) - 0.5)),
                static_cast<int>(centre.y() - 0.5 + reach * (fraction(random) - 0.5)));
            const std::optional<SnapResult> snap = SnapToMark(page, click, DefaultSnapTolerance);
            ASSERT_TRUE(snap.has_value());
            EXPECT_EQ(snap->kind, SnapKind::Mark);
            const QPointF expected = Expected(centre);
            EXPECT_LT(QLineF(snap->position, expected).length(), 0.1) << radius << " " << trial;
        }
    }
}

TEST(MarkCentre, ALineGivesThePointOnItsCentreNearestTheClick) {
    for (const double slope : {0.0, 0.4, 1.0, 3.0}) {
        QImage page = WhitePage(100, 100);
        const QPointF from(0, 50.3 - 50 * slope);
        const QPointF to(100, 50.3 + 50 * slope);
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::blue, 3));
        painter.drawLine(from, to);
        painter.end();
        const QPoint click(50, 51);
        const std::optional<SnapResult> snap = SnapToMark(page, click, DefaultSnapTolerance);
        ASSERT_TRUE(snap.has_value()) << slope;
        EXPECT_EQ(snap->kind, SnapKind::Line);
        // Distance of the snapped point from the drawn centre line, moved into the program's
        // convention.
        const QLineF centre(Expected(from), Expected(to));
        const QPointF p = snap->position - centre.p1();
        const QPointF d = (centre.p2() - centre.p1()) / centre.length();
        EXPECT_LT(std::abs(p.x() * d.y() - p.y() * d.x()), 0.15) << slope;
        // Nearest to the click: no further along the line than the click itself.
        EXPECT_LT(QLineF(snap->position, QPointF(click)).length(), 2.0) << slope;
    }
}

// Where marks touch lines, which is where users click most: the marker, the corner or the
// crossing is found within a tenth of a pixel, wherever the drawing lies below the pixel and
// wherever near it the click is.
TEST(MarkCentre, MarksOnLinesCornersAndCrossingsGiveTheirCentres) {
    struct Case {
        const char* what;
        // Draws on the page about a point (QPainter's coordinates); returns the point to find.
        std::function<QPointF(QPainter&, QPointF)> draw;
        std::vector<QPoint> clicks; // from the pixel of the point to find
        SnapKind kind;
    };
    const QPen axis(Qt::black, 1.5);
    const QPen grid(Qt::black, 1);
    const auto line = [](QPainter& painter, const QPen& pen, QPointF from, QPointF to) {
        painter.setPen(pen);
        painter.drawLine(from, to);
    };
    const auto marker = [](QPainter& painter, QColor colour, QPointF centre, double radius) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(centre, radius, radius);
    };
    const std::vector<QPoint> around{{2, 2}, {-2, 1}, {1, -2}, {0, 0}, {-1, -1}};
    const Case cases[] = {
        {"a red marker on a black grid line",
         [&](QPainter& p, QPointF c) {
             line(p, grid, c - QPointF(40, 0), c + QPointF(40, 0));
             marker(p, Qt::red, c, 4);
             return c;
         },
         around, SnapKind::Mark},
        {"a red marker on a crossing of grid lines",
         [&](QPainter& p, QPointF c) {
             line(p, grid, c - QPointF(40, 0), c + QPointF(40, 0));
             line(p, grid, c - QPointF(0, 40), c + QPointF(0, 40));
             marker(p, Qt::red, c, 4);
             return c;
         },
         around, SnapKind::Mark},
        {"a red marker touching the axis",
         [&](QPainter& p, QPointF c) {
             line(p, axis, c + QPointF(-40, 4.75), c + QPointF(40, 4.75));
             marker(p, Qt::red, c, 4);
             return c;
         },
         around, SnapKind::Mark},
        {"a black marker on a black line",
         [&](QPainter& p, QPointF c) {
             line(p, grid, c - QPointF(40, 0), c + QPointF(40, 0));
             marker(p, Qt::black, c, 4);
             return c;
         },
         around, SnapKind::Mark},
        {"the corner of the plot",
         [&](QPainter& p, QPointF c) {
             line(p, axis, c, c + QPointF(40, 0));
             line(p, axis, c, c - QPointF(0, 40));
             return c;
         },
         {{2, 0}, {0, 0}, {1, 0}, {0, -1}, {3, 0}, {0, -3}},
         SnapKind::Crossing},
        {"a tick crossing the axis",
         [&](QPainter& p, QPointF c) {
             line(p, axis, c - QPointF(40, 0), c + QPointF(40, 0));
             line(p, grid, c - QPointF(0, 5), c + QPointF(0, 5));
             return c;
         },
         {{-2, 0}, {2, 0}, {3, 0}, {0, 0}, {0, -2}, {0, 2}, {0, -3}},
         SnapKind::Crossing},
        {"a tick standing on the axis",
         [&](QPainter& p, QPointF c) {
             line(p, axis, c - QPointF(40, 0), c + QPointF(40, 0));
             line(p, grid, c, c - QPointF(0, 6));
             return c;
         },
         {{0, -2}, {-2, 0}, {2, 0}, {0, -4}, {0, 0}},
         SnapKind::Crossing},
    };
    std::mt19937 random(11);
    std::uniform_real_distribution<double> fraction(0, 1);
    for (const Case& c : cases) {
        for (int trial = 0; trial < 20; ++trial) {
            QImage page = WhitePage(100, 100);
            QPainter painter(&page);
            painter.setRenderHint(QPainter::Antialiasing);
            const QPointF drawn =
                c.draw(painter, QPointF(50 + fraction(random), 50 + fraction(random)));
            painter.end();
            const QPointF expected = Expected(drawn);
            const QPoint pixel(static_cast<int>(std::lround(expected.x())),
                               static_cast<int>(std::lround(expected.y())));
            for (const QPoint click : c.clicks) {
                const std::optional<SnapResult> snap =
                    SnapToMark(page, pixel + click, DefaultSnapTolerance);
                ASSERT_TRUE(snap.has_value()) << c.what;
                EXPECT_LT(QLineF(snap->position, expected).length(), 0.1)
                    << c.what << " trial " << trial << " click " << click.x() << "," << click.y()
                    << ": " << snap->position.x() << "," << snap->position.y() << " for "
                    << expected.x() << "," << expected.y();
                EXPECT_EQ(snap->kind, c.kind) << c.what;
            }
        }
    }
}

// A small mark near the picture's edge is a mark, not a line.
TEST(MarkCentre, AMarkAtThePicturesEdgeIsAMark) {
    for (const QPointF centre : {QPointF(3.3, 50.6), QPointF(97.2, 2.8), QPointF(50.5, 96.9)}) {
        QImage page = WhitePage(100, 100);
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(centre, 2, 2);
        painter.end();
        const QPointF expected = Expected(centre);
        const std::optional<SnapResult> snap =
            SnapToMark(page, QPoint(static_cast<int>(expected.x()), static_cast<int>(expected.y())),
                       DefaultSnapTolerance);
        ASSERT_TRUE(snap.has_value());
        EXPECT_EQ(snap->kind, SnapKind::Mark);
        EXPECT_LT(QLineF(snap->position, expected).length(), 0.1)
            << snap->position.x() << "," << snap->position.y();
    }
}

TEST(MarkCentre, BackgroundAndTheEdgeGiveNothing) {
    QImage page = WhitePage(40, 40);
    EXPECT_FALSE(SnapToMark(page, {20, 20}, DefaultSnapTolerance).has_value()) << "all white";
    EXPECT_FALSE(SnapToMark(page, {20, 20}, -5).has_value()) << "a tolerance below nothing";
    QPainter painter(&page);
    painter.fillRect(QRect(18, 18, 4, 4), Qt::black);
    painter.end();
    EXPECT_FALSE(SnapToMark(page, {5, 5}, DefaultSnapTolerance).has_value()) << "beside it";
    EXPECT_FALSE(SnapToMark(page, {40, 5}, DefaultSnapTolerance).has_value()) << "outside";
    const std::optional<SnapResult> square = SnapToMark(page, {18, 21}, DefaultSnapTolerance);
    ASSERT_TRUE(square.has_value());
    EXPECT_EQ(square->position, QPointF(19.5, 19.5));
}

} // namespace
