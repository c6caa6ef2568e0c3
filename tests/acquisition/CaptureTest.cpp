#include "PictureFixture.h"
#include "decoding/CaptureGeometry.h"
#include "windows/acquisition/frmCaptureNew.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTimer>

namespace {

TEST(CaptureGeometry, EitherCornerFirstGivesTheSameRectangle) {
    EXPECT_EQ(CaptureRectangle(10, 110, 20, 70), QRect(10, 20, 100, 50));
    EXPECT_EQ(CaptureRectangle(110, 10, 70, 20), QRect(10, 20, 100, 50));
    EXPECT_EQ(CaptureRectangle(10.5, 20.5, 0, 1), QRect(10, 0, 10, 1)) << "halves to even";
    EXPECT_TRUE(ReadoutInBlack(31128));
    EXPECT_FALSE(ReadoutInBlack(31127));
}

class Capture : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        AppendPointRow(Table(), 1.0f, 1.0f);
        capture = new frmCaptureNew(App().session, App().desktop(), App().MainForm());
    }
    void TearDown() override {
        delete capture.data();
        PictureFixture::TearDown();
    }
    void Freeze() { capture->btnCaptureOK_Click(); }
    QPointer<frmCaptureNew> capture;
};

TEST_F(Capture, ADraggedRectangleBecomesThePicture) {
    Freeze();
    capture->Form_MouseDown(1, QPointF(110, 70));
    EXPECT_TRUE(capture->Selecting());
    capture->Form_MouseMove(QPointF(10, 20));
    EXPECT_EQ(capture->Readout(), QStringLiteral("100x50"));
    capture->Form_MouseDown(1, QPointF(10, 20));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(capture.isNull()) << "the window closes";
    ASSERT_EQ(Surface().Picture().size(), QSize(100, 50));
    // The fake screen's pixel (x, y) is (x mod 256, y mod 256, 7).
    EXPECT_EQ(QColor(Surface().Picture().pixel(0, 0)), QColor(10, 20, 7));
    EXPECT_EQ(Main().PanelText(2), QStringLiteral("Clipboard Picture"));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(100, 50));
    EXPECT_EQ(Table().PointCount(), 1);
}

TEST_F(Capture, TheReadOutIsWhiteOnDarkAndBlackOnLightScreen) {
    screen->blue = 0;
    Freeze();
    capture->Form_MouseDown(1, QPointF(10, 20));
    capture->Form_MouseMove(QPointF(110, 70)); // centre (60, 45): 60 + 256 x 45, dark
    EXPECT_FALSE(capture->ReadoutBlack());
    capture->Form_MouseMove(QPointF(110, 250)); // centre (60, 135): 60 + 256 x 135, light
    EXPECT_TRUE(capture->ReadoutBlack());
}

// Capture asked for again during the countdown (Ctrl+T, OK) is the capture already running: one
// window, one frozen screen.
TEST_F(Capture, OneCaptureAtATime) {
    std::size_t windowsDuringCountdown = 0;
    clock->onWait = [&] {
        clock->onWait = nullptr;
        Main().mnuPictureCapture_Click();
        windowsDuringCountdown = Main().findChildren<frmCaptureNew*>().size();
    };
    QTimer::singleShot(0, [&] {
        auto* running = Main().findChild<frmCaptureNew*>();
        ASSERT_NE(running, nullptr);
        running->btnCaptureOK_Click();
        running->btnCaptureCancel_Click();
    });
    Main().mnuPictureCapture_Click();
    EXPECT_EQ(windowsDuringCountdown, 1u);
    EXPECT_EQ(screen->grabs.size(), 1u) << "the screen frozen once";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Main().findChildren<frmCaptureNew*>().isEmpty());
}

// The magnifier would grab the very screen that is being captured: it rests while the capture
// window is there and looks again once it has gone.
TEST_F(Capture, TheMagnifierRestsWhileTheScreenIsCaptured) {
    delete capture.data();
    ASSERT_TRUE(App().Zoom().TimerEnabled());
    bool restingDuringCapture = false;
    QTimer::singleShot(0, [&] {
        restingDuringCapture = !App().Zoom().TimerEnabled();
        auto* running = Main().findChild<frmCaptureNew*>();
        ASSERT_NE(running, nullptr);
        running->btnCaptureCancel_Click();
    });
    Main().mnuPictureCapture_Click();
    EXPECT_TRUE(restingDuringCapture);
    EXPECT_TRUE(App().Zoom().TimerEnabled());
}

} // namespace
