#include "windows/shared/PointRecording.h"
#include "AppFixture.h"

namespace {

class PointRecording : public AppFixture {
protected:
    QString Panel(int n) { return App().MainForm().PanelText(n); }
    DataTable& Table() { return App().Data().Table(); }
};

TEST_F(PointRecording, PrecisionFollowsTheCallersType) {
    float fx = 1.0f / 3.0f;
    float fy = 0;
    ShowOrRecordPoint(App().session, App().prompts(), fx, fy, true);
    double dx = 1.0 / 3.0;
    double dy = 0;
    ShowOrRecordPoint(App().session, App().prompts(), dx, dy, true);
    EXPECT_EQ(Table().CellText(1, 1), QStringLiteral(" 0.3333333"));
    EXPECT_EQ(Table().CellText(2, 1), QStringLiteral(" 0.333333333333333"));
}

TEST_F(PointRecording, OverflowEndsInTheErrorBoxNeverInARow) {
    App().session.settings.XLog = true;
    App().MainForm().SetPanelText(3, QStringLiteral("before"));
    float x = 39.0f; // 1E+39 does not fit a float
    float y = 1.0f;
    ShowOrRecordPoint(App().session, App().prompts(), x, y, true);
    double dx = 400.0; // nor 1E+400 a double
    double dy = 1.0;
    ShowOrRecordPoint(App().session, App().prompts(), dx, dy, true);
    EXPECT_EQ(Table().RowCount(), 1);
    EXPECT_EQ(Panel(3), QStringLiteral("before"));
    ASSERT_EQ(prompts->messages.size(), 2u);
    for (const auto& box : prompts->messages) {
        EXPECT_EQ(box.text, QStringLiteral("Error #  6 was generated. \rOverflow"));
        EXPECT_EQ(box.title, QStringLiteral("Error"));
        EXPECT_EQ(box.icon, MessageIcon::Exclamation);
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
    }
    EXPECT_EQ(App().session.MsgText, QStringLiteral("Error #  6 was generated. \rOverflow"));
}

TEST_F(PointRecording, AValueThatVanishesOnALogAxisIsRefusedLikeAnOverflow) {
    App().session.settings.YLog = true;
    float x = 1.0f;
    float y = -50.0f; // 1E-50 is 0 as a float
    ShowOrRecordPoint(App().session, App().prompts(), x, y, true);
    double dx = 1.0;
    double dy = -400.0;
    ShowOrRecordPoint(App().session, App().prompts(), dx, dy, true);
    EXPECT_EQ(Table().RowCount(), 1);
    EXPECT_EQ(prompts->messages.size(), 2u);
}

} // namespace
