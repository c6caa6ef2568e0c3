#include "PictureFixture.h"
#include "TestData.h"
#include "desktop/SaneScanner.h"

#include <QApplication>
#include <QProgressDialog>
#include <QtTest/QTest>

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

class Scanner : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        AppendPointRow(Table(), 1.0f, 1.0f);
        Main().SetPanelText(2, QStringLiteral("graph.png"));
    }
};

TEST_F(Scanner, NoScannerSaysSoAndChangesNothing) {
    scanner->available = false;
    Main().mnuPictureScanner_Click();
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Scanner not available."));
    EXPECT_EQ(scanner->selections, 0);
    EXPECT_TRUE(Surface().HasPicture());
    EXPECT_EQ(Main().PanelText(2), QStringLiteral("graph.png"));
}

TEST_F(Scanner, AScannedImageBecomesThePicture) {
    scanner->image = QImage(30, 20, QImage::Format_RGB32);
    scanner->image.fill(Qt::green);
    Main().mnuPictureScanner_Click();
    EXPECT_EQ(scanner->selections, 1);
    EXPECT_EQ(Surface().Picture().size(), QSize(30, 20));
    EXPECT_EQ(Main().PanelText(2), QStringLiteral("Clipboard Picture"));
    EXPECT_TRUE(prompts->messages.empty());
    EXPECT_EQ(Table().PointCount(), 1);
}

TEST_F(Scanner, AFailedScanChangesNothing) {
    const QImage before = Surface().Picture();
    App().session.calibration.RightX = 42;
    QImage onClipboard(5, 5, QImage::Format_RGB32);
    onClipboard.fill(Qt::blue);
    QGuiApplication::clipboard()->setImage(onClipboard);
    Main().mnuPictureScanner_Click();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].text,
              QStringLiteral("No image was acquired or transfer to the clipboard failed."));
    EXPECT_TRUE(prompts->messages[0].title.isEmpty());
    EXPECT_EQ(Surface().Picture(), before);
    EXPECT_EQ(App().session.calibration.RightX, 42) << "the calibration stays";
    EXPECT_EQ(Main().PanelText(2), QStringLiteral("graph.png"));
    EXPECT_EQ(Table().PointCount(), 1);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(5, 5))
        << "the user's clipboard too";
}

// SANE's own test backend is a real device, configured through the files SANE_CONFIG_DIR
// names: here two of them, test:0 and test:1, that scan plain white.
TEST(SaneScanner, TheDevicesAndTheirSettingsAreOfferedAndApply) {
    QTemporaryDir folder;
    ASSERT_TRUE(WriteFile(folder.filePath(QStringLiteral("dll.conf")), "test\n"));
    ASSERT_TRUE(WriteFile(folder.filePath(QStringLiteral("test.conf")),
                          "number_of_devices 2\nresolution 25\nmode Gray\n"
                          "test-picture \"Solid white\"\n"));
    qputenv("SANE_CONFIG_DIR", folder.path().toLocal8Bit());
    FakePrompts prompts;
    SaneScanner sane(prompts);
    ASSERT_TRUE(sane.IsAvailable());
    EXPECT_GT(sane.EasyVersion(), 100);
    prompts.choiceAnswers.push_back(1);
    sane.SelectImageSource();
    ASSERT_EQ(prompts.choices.size(), 1u);
    EXPECT_EQ(prompts.choices[0].size(), 2);
    EXPECT_EQ(sane.ChosenDevice(), QStringLiteral("test:1"));

    const auto scanAt = [&](int resolution) {
        prompts.scanAnswers.push_back(ScanSettings{resolution, QStringLiteral("Color")});
        QGuiApplication::clipboard()->clear();
        EXPECT_TRUE(sane.AcquireToClipboard()) << resolution;
        return QGuiApplication::clipboard()->image().size();
    };
    // Nothing covers the settings dialog while the user takes time over it.
    bool boxOverSettings = false;
    prompts.onScanSettings = [&] {
        QTest::qWait(800);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            boxOverSettings |=
                qobject_cast<QProgressDialog*>(window) != nullptr && window->isVisible();
        }
    };
    const QSize coarse = scanAt(25);
    prompts.onScanSettings = nullptr;
    EXPECT_FALSE(boxOverSettings);
    ASSERT_FALSE(prompts.scanRequests.empty());
    const ScanSettingsRequest& request = prompts.scanRequests[0];
    EXPECT_EQ(request.device, QStringLiteral("test:1"));
    EXPECT_EQ(request.resolution, 25) << "the device's own value to start with";
    EXPECT_TRUE(request.resolutions.contains(1200));
    EXPECT_FALSE(request.resolutions.contains(2400)) << "beyond the device's range";
    EXPECT_EQ(request.mode, QStringLiteral("Gray"));
    EXPECT_TRUE(request.modes.contains(QStringLiteral("Color")));
    const QSize fine = scanAt(50);
    EXPECT_GT(coarse.width(), 0);
    EXPECT_NEAR(fine.width(), 2 * coarse.width(), 2) << "scanned at the resolution chosen";

    // Cancel in the dialog: nothing is scanned and the clipboard keeps what it held.
    QImage held(3, 3, QImage::Format_RGB32);
    held.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(held);
    prompts.scanAnswers.push_back(std::nullopt);
    EXPECT_FALSE(sane.AcquireToClipboard());
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(3, 3));
    EXPECT_TRUE(SaneScanner::Acquire(QStringLiteral("no-such-device")).isNull());
    qunsetenv("SANE_CONFIG_DIR");
}

} // namespace
