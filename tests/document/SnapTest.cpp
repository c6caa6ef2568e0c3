#include "PictureFixture.h"
#include "zoom/ZoomGeometry.h"

#include <QPainter>

#include <QCheckBox>
#include <QStatusBar>
#include <cmath>

namespace {

// A 400 x 300 plot drawn at sub-pixel positions: tick crosses for (0, 0) at (50.3, 250.7) and
// for (100, 10) at (350.6, 50.2), and a round marker for (40, 6) between them.
class Snap : public PictureFixture {
protected:
    static constexpr QPointF Origin{50.3, 250.7};
    static constexpr QPointF Far{350.6, 50.2};
    static QPointF Marker() {
        return Origin + QPointF(0.4 * (Far.x() - Origin.x()), 0.6 * (Far.y() - Origin.y()));
    }

    void SetUp() override {
        PictureFixture::SetUp();
        QImage plot(400, 300, QImage::Format_RGB32);
        plot.fill(Qt::white);
        QPainter painter(&plot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        for (const QPointF tick : {Origin, Far}) {
            painter.drawLine(tick - QPointF(5, 0), tick + QPointF(5, 0));
            painter.drawLine(tick - QPointF(0, 5), tick + QPointF(0, 5));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 0, 0));
        painter.drawEllipse(Marker(), 4, 4);
        painter.end();
        Surface().SetPicture(plot);
        Main().EnableDataMenu();
    }

    // Calibrates with clicks three pixels off each tick's centre, then clicks two pixels off
    // the marker's.
    void CalibrateAndClickTheMarker() {
        EnterScaleMode();
        prompts->textAnswers = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("100"),
                                QStringLiteral("10")};
        prompts->messageAnswers.push_back(MessageAnswer::Yes);
        // On the bars of the ticks, away from their crossings.
        Press(Qt::LeftButton, Near(Origin, 3, 0));
        Press(Qt::LeftButton, Near(Far, 0, 3));
        Press(Qt::LeftButton, Near(Marker(), 2, 1));
    }
    static QPoint Near(QPointF drawn, int dx, int dy) {
        return QPoint(static_cast<int>(drawn.x()) + dx, static_cast<int>(drawn.y()) + dy);
    }
};

TEST_F(Snap, OnTheTicksAndTheMarkerGiveTheirCentres) {
    App().Options().ChkSnap().click();
    ASSERT_TRUE(App().session.settings.SnapClicks);
    CalibrateAndClickTheMarker();
    ASSERT_EQ(Table().PointCount(), 1);
    // A tenth of a pixel is 0.033 in x and 0.005 in y.
    EXPECT_NEAR(Cell(1, 1).toDouble(), 40, 0.033) << Cell(1, 1).toStdString();
    EXPECT_NEAR(Cell(1, 2).toDouble(), 6, 0.005) << Cell(1, 2).toStdString();
    EXPECT_TRUE(Main().statusBar()->currentMessage().startsWith(
        QStringLiteral("Snapped to the mark by 2.")))
        << Main().statusBar()->currentMessage().toStdString();
    // The marker is drawn where the click snapped to.
    EXPECT_EQ(Surface().PixelColor(static_cast<int>(Marker().x() - 0.5 + 0.5),
                                   static_cast<int>(Marker().y() - 0.5 + 0.5)),
              App().session.settings.PointsColor.Packed());

    // On the background a click stays where it is.
    Main().statusBar()->clearMessage();
    Press(Qt::LeftButton, {200, 280});
    EXPECT_TRUE(Main().statusBar()->currentMessage().isEmpty());
}

} // namespace
