#include "PictureFixture.h"

#include <QLineEdit>
#include <QSlider>

namespace {

class ZoomWindow : public PictureFixture {
protected:
    frmZoom& Zoom() { return App().Zoom(); }
};

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
