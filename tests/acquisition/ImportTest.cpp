#include "PictureFixture.h"
#include "TestData.h"
#include "core/Calibration.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <sys/stat.h>

namespace {

class Import : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        AppendPointRow(Table(), 1.0f, 2.0f);
    }
    bool DataMenuEnabled() {
        return Main().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled();
    }
    void DisableDataMenu() {
        Main().findChild<QMenu*>(QStringLiteral("mnuData"))->setEnabled(false);
    }
};

TEST_F(Import, APictureBecomesANewDocument) {
    App().session.DataFileName = QStringLiteral("/tmp/points.dat");
    DisableDataMenu();
    prompts->fileAnswers.push_back({Data("picture.gif"), 2});
    Main().mnuPictureImport_Click();
    EXPECT_EQ(Surface().Picture().size(), QSize(16, 12));
    EXPECT_EQ(Main().PanelText(2), Data("picture.gif"));
    EXPECT_EQ(Main().PanelText(1), QStringLiteral("Data File"));
    EXPECT_TRUE(App().session.DataFileName.isEmpty());
    EXPECT_EQ(App().session.calibration.X1, Unset);
    EXPECT_TRUE(DataMenuEnabled());
    EXPECT_EQ(Table().PointCount(), 1) << "the points stay";
    prompts->fileAnswers.push_back({QString(), 2});
    Main().mnuPictureImport_Click();
    EXPECT_EQ(prompts->fileRequests[1].fileName, Data("picture.gif")) << "the name carries over";
}

TEST_F(Import, PngGoesThroughTheImagingDecoderWhateverTheCase) {
    // The imaging decoder's own error tells which decoder ran.
    const QString upper = Data("NOT-A-PICTURE.PNG");
    EXPECT_FALSE(Main().ImportPictureFile(upper));
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("Error #  999 was generated. \rError loading picture ") + upper);
}

TEST_F(Import, BadFilesChangeNothingButSaySo) {
    // Broken files, and hostile ones that crash the metafile library, ask for 16000 x 16000
    // pixels or claim gigabytes: each ends in the error box naming it, and the picture, its
    // status text and the table stay.
    const QImage before = Surface().Picture();
    Main().SetPanelText(2, QStringLiteral("graph.png"));
    for (const char* name :
         {"truncated.png", "not-a-picture.png", "huge-header.png", "truncated.bmp", "truncated.gif",
          "truncated.jpg", "truncated.ico", "truncated.wmf", "empty.bmp", "missing.gif",
          "hostile/text-null-glyph.wmf", "hostile/pixels-16000.png", "hostile/extent-16000.wmf",
          "hostile/huge-record.wmf"}) {
        prompts->messages.clear();
        DisableDataMenu();
        EXPECT_FALSE(Main().ImportPictureFile(Data(name))) << name;
        ASSERT_EQ(prompts->messages.size(), 1u) << name;
        EXPECT_TRUE(prompts->messages[0].text.startsWith(QStringLiteral("Error # "))) << name;
        EXPECT_TRUE(prompts->messages[0].text.contains(QString::fromLatin1(name))) << name;
        EXPECT_EQ(Surface().Picture(), before) << name;
        EXPECT_EQ(Main().PanelText(2), QStringLiteral("graph.png")) << name;
        EXPECT_FALSE(DataMenuEnabled()) << name;
    }
    EXPECT_EQ(Table().PointCount(), 1);
}

TEST_F(Import, APngWithAPdfMarkInItsTextIsAPicture) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setText(QStringLiteral("Comment"), QStringLiteral("%PDF-1.4"));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("marked.png"));
    ASSERT_TRUE(image.save(path, "png"));
    EXPECT_TRUE(Main().ImportPictureFile(path));
    EXPECT_TRUE(prompts->messages.empty());
    EXPECT_EQ(Surface().Picture().size(), QSize(20, 10));
}

TEST_F(Import, APastedPictureLargerThanAFileMayBeIsRefused) {
    const QImage before = Surface().Picture();
    QImage huge(8200, 8200, QImage::Format_Mono); // one bit a pixel: cheap to hold here
    huge.fill(0);
    QGuiApplication::clipboard()->setImage(huge);
    Main().mnuPicturePaste_Click();
    EXPECT_TRUE(prompts->OnlyMessage().contains(
        QStringLiteral("Clipboard Picture (the picture has 8200 x 8200 pixels; at most 64 "
                       "megapixels can be read)")))
        << prompts->OnlyMessage().toStdString();
    EXPECT_EQ(Surface().Picture(), before);
    EXPECT_EQ(Table().PointCount(), 1);
}

// A slow file: the busy pointer at once, the box after half a second, and Escape in the box
// gives the file up, leaving everything as it was.
TEST_F(Import, TheDecodingBoxComesSoonAndEscapeCancelsIt) {
    const QImage before = Surface().Picture();
    std::optional<Qt::CursorShape> pointerAtOnce;
    QTimer::singleShot(100, [&] {
        if (const QCursor* pointer = QApplication::overrideCursor()) {
            pointerAtOnce = pointer->shape();
        }
    });
    bool boxShownInTime = false;
    QElapsedTimer clock;
    QTimer::singleShot(900, [&] {
        auto* box = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        boxShownInTime = box != nullptr && box->isVisible();
        if (box != nullptr) {
            clock.start();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    EXPECT_FALSE(Main().ImportPictureFile(Data("hostile/slow-a.wmf")));
    EXPECT_TRUE(boxShownInTime);
    EXPECT_EQ(pointerAtOnce, Qt::BusyCursor);
    EXPECT_LT(clock.elapsed(), 2000) << "given up soon after Escape";
    EXPECT_TRUE(prompts->messages.empty()) << "a cancelled file is no error";
    EXPECT_EQ(Surface().Picture(), before);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A named pipe given as a picture or a project, from the command line or a dialog, is refused at
// once instead of blocking the program.
TEST_F(Import, ANamedPipeIsRefusedFromEveryWayIn) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString refusal = QStringLiteral("(it is a named pipe, not a file)");
    EXPECT_FALSE(Main().ImportPictureFile(pipe));
    EXPECT_TRUE(prompts->OnlyMessage().endsWith(refusal)) << prompts->OnlyMessage().toStdString();
    prompts->messages.clear();
    EXPECT_FALSE(Main().OpenProjectFile(pipe));
    EXPECT_TRUE(prompts->OnlyMessage().endsWith(refusal));
    prompts->messages.clear();
    prompts->fileAnswers.push_back({pipe, 2});
    Main().mnuPictureImport_Click();
    EXPECT_TRUE(prompts->OnlyMessage().endsWith(refusal));
    EXPECT_EQ(Table().PointCount(), 1);
}

} // namespace
