#include "AppFixture.h"
#include "core/Calibration.h"

#include <QAction>

namespace {

const QString ScaleInfoText = QStringLiteral(
    "Two points with known coordinates must be defined in the image in order to read precise "
    "values.\r\n\r\nIt is recommended to define these points at opposite corners of the image.");

class CalibrationCommands : public AppFixture {
protected:
    frmMain& Main() { return App().MainForm(); }
    QAction& ScaleItem() { return *Main().findChild<QAction*>(QStringLiteral("mnuPictureScale")); }
    EdgeValues PictureEdges() { return App().Document().Picture2().Coordinates().Edges(); }

    // What the picture's clicks in scale mode leave in the record.
    void MarkPoints(double x1, double y1, double x2, double y2) {
        auto& r = App().session.calibration;
        r.XPos1 = 2;
        r.YPos1 = 3;
        r.X1 = x1;
        r.Y1 = y1;
        r.XPos2 = 8;
        r.YPos2 = 7;
        r.X2 = x2;
        r.Y2 = y2;
    }
};

TEST_F(CalibrationCommands, LeavingWithTwoPointsCalibratesThePicture) {
    PictureSurface& picture = App().Document().Picture2();
    QImage white(100, 100, QImage::Format_RGB32);
    white.fill(Qt::white);
    picture.SetPicture(white);
    Main().mnuPictureScale_Click();
    picture.PSet(5, 5,
                 PackedRgb(255, 0, 0)); // a marker drawn in neutral coordinates: pixel (50, 50)
    ASSERT_EQ(picture.PixelColor(50, 50), 0xFF);
    MarkPoints(100, 50, 400, 90);
    Main().mnuPictureScale_Click();
    EXPECT_EQ(picture.PixelColor(50, 50), 0xFFFFFF) << "calibrating erases the markers";
    EXPECT_FALSE(App().session.ScaleModeOn);
    EXPECT_FALSE(ScaleItem().isChecked());
    EXPECT_EQ(prompts->messages.size(), 1u) << "no box after the Scale Info";
    const EdgeValues edges = PictureEdges();
    EXPECT_DOUBLE_EQ(edges.Left, 0);
    EXPECT_DOUBLE_EQ(edges.Right, 500);
    EXPECT_DOUBLE_EQ(edges.Bottom, 20);
    EXPECT_DOUBLE_EQ(edges.Top, 120);
}

TEST_F(CalibrationCommands, LogAxisWithZeroIsRefusedAndKeepsTheTypedValues) {
    App().session.settings.YLog = true;
    Main().mnuPictureScale_Click();
    MarkPoints(100, 0, 400, 90);
    Main().mnuPictureScale_Click();
    ASSERT_EQ(prompts->messages.size(), 2u);
    EXPECT_EQ(prompts->messages[1].title, QStringLiteral("Scaling Error"));
    EXPECT_EQ(PictureEdges(), NeutralFrame);
    EXPECT_EQ(App().session.calibration.X1, 100);
    EXPECT_EQ(App().session.calibration.Y2, 90);
}

} // namespace
