#include "PictureFixture.h"

#include <QLineEdit>
#include <QSlider>
#include <QTest>

namespace {

class ZoomWindow : public PictureFixture {
protected:
    frmZoom& Zoom() { return App().Zoom(); }
};

TEST_F(ZoomWindow, FollowsThePointerOnlyOverThePicture) {
    // The window's own timer may have ticked while a slow start-up ran its events; from here
    // on the test makes every tick.
    screen->grabs.clear();
    Zoom().resize(200, 200);
    App().MouseOnPicture = false;
    Zoom().tmrZoom_Timer();
    EXPECT_TRUE(Zoom().View().isNull()) << "blank away from the picture";
    EXPECT_TRUE(screen->grabs.empty());

    App().MouseOnPicture = true;
    screen->cursor = QPoint(400, 300);
    Zoom().tmrZoom_Timer();
    ASSERT_EQ(screen->grabs.size(), 1u);
    EXPECT_TRUE(screen->grabs[0].contains(QPoint(400, 300)));
    EXPECT_FALSE(Zoom().View().isNull());
    // The screen pixel under the pointer fills the view's centre.
    const QImage& view = Zoom().View();
    const QColor centre = view.pixelColor(view.width() / 2 + 1, view.height() / 2 + 1);
    EXPECT_EQ(centre.blue(), 7);
    EXPECT_NEAR(centre.red(), 400 % 256, 1);

    // Resting, a repaint of the picture (a marker drawn under the pointer) shows at the next
    // tick, and only then.
    Zoom().tmrZoom_Timer();
    App().Document().Picture2().repaint();
    Zoom().tmrZoom_Timer();
    EXPECT_EQ(screen->grabs.size(), 2u);
    Zoom().tmrZoom_Timer();
    EXPECT_EQ(screen->grabs.size(), 2u);

    // Away from the picture the view is emptied once, not repainted at every tick.
    App().MouseOnPicture = false;
    Zoom().tmrZoom_Timer();
    EXPECT_TRUE(Zoom().View().isNull());
}

TEST_F(ZoomWindow, TypedPercentagesAreAppliedAndLimited) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {{"5", "25%"}, {"5000", "1000%"}, {"", "25%"}, {"1e999", "1000%"}, {"75%", "75%"}};
    for (const auto& c : cases) {
        Zoom().txtZoom().setText(QString::fromLatin1(c.typed));
        Zoom().txtZoom_LostFocus();
        EXPECT_EQ(Zoom().txtZoom().text(), QString::fromLatin1(c.shown)) << c.typed;
    }
    EXPECT_EQ(Zoom().hsbZoom().value(), 75);
    Zoom().hsbZoom().setValue(750);
    EXPECT_EQ(Zoom().txtZoom().text(), QStringLiteral("750%"));
    EXPECT_FLOAT_EQ(Zoom().ZoomFactor(), 7.5f);
}

} // namespace
