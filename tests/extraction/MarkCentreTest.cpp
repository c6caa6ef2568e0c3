#include "extraction/MarkCentre.h"
#include "core/Settings.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
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
        for (int trial = 0; trial < 40; ++trial) {
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
            EXPECT_FALSE(snap->onLine);
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
        EXPECT_TRUE(snap->onLine);
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
