#include "PictureFixture.h"
#include "TestData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QProgressBar>
#include <QTemporaryDir>

namespace {

class Rotation : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        QImage picture(200, 100, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.setPixelColor(190, 10, Qt::red);
        Surface().SetPicture(picture);
    }
    frmDocument& Window() { return App().Document(); }
    void Rotate(std::initializer_list<const char*> answers) {
        for (const char* answer : answers) {
            prompts->textAnswers.push_back(QString::fromLatin1(answer));
        }
        Window().RotatePicture();
    }
};

// Every picture the program holds can be kept in a project and opened again: a turn that
// would make it larger than a picture file may be is refused before anything changes.
TEST_F(Rotation, ATurnBeyondTheLargestPictureIsRefused) {
    QImage thin(11600, 2, QImage::Format_RGB32);
    thin.fill(Qt::white);
    Surface().SetPicture(thin);
    Rotate({"45"});
    EXPECT_EQ(Surface().Picture().size(), QSize(11600, 2));
    EXPECT_TRUE(prompts->OnlyMessage().endsWith(
        QStringLiteral("(turned by 45 degrees it would have 8204 x 8204 pixels; at most 64 "
                       "megapixels can be kept)")))
        << prompts->OnlyMessage().toStdString();
    prompts->messages.clear();
    Rotate({"90"});
    EXPECT_EQ(Surface().Picture().size(), QSize(2, 11600)) << "a turn that fits is made";
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(Rotation, ZeroCancelOrTextChangeNothing) {
    for (const char* answer : {"0", "", "abc"}) {
        Rotate({answer});
        EXPECT_EQ(Surface().Picture().size(), QSize(200, 100)) << answer;
    }
    ASSERT_FALSE(prompts->textPrompts.empty());
    EXPECT_EQ(prompts->textPrompts[0].title, QStringLiteral("Degrees to rotate the picture"));
    EXPECT_EQ(prompts->textPrompts[0].prompt,
              QStringLiteral("Please type a value between 0 and 360"));
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(Rotation, AnglesOutsideTheRangeAreAskedAgain) {
    Rotate({"360", "-10", "400", "1e999", "359.5"});
    ASSERT_EQ(prompts->messages.size(), 4u);
    for (const auto& box : prompts->messages) {
        EXPECT_EQ(box.text,
                  QStringLiteral("Select an angle greater than 0 and less than 360 degrees"));
    }
    EXPECT_EQ(prompts->textPrompts.size(), 5u);
    EXPECT_EQ(Surface().Picture().size(), QSize(201, 102)) << "half a degree";
}

TEST_F(Rotation, NoFileOutsideTheProgramTakesPartInATurn) {
    // Whatever lies at the temporary folder's old working-file name, a link to a file of the
    // user's among them, is neither written nor read by Rotate and Undo Rotate.
    QTemporaryDir folder;
    const QString precious = folder.filePath(QStringLiteral("precious.txt"));
    ASSERT_TRUE(WriteFile(precious, "keep"));
    const QString planted = QDir(QDir::tempPath()).filePath(QStringLiteral("kurvex_tempfile"));
    QFile::remove(planted);
    ASSERT_TRUE(QFile::link(precious, planted));
    Window().UndoRotate();
    EXPECT_EQ(Surface().Picture().size(), QSize(200, 100)) << "no turn made, nothing loaded";
    Rotate({"90"});
    Window().UndoRotate();
    EXPECT_EQ(Surface().Picture().size(), QSize(200, 100));
    EXPECT_EQ(ReadFile(precious), QByteArray("keep"));
    QFile::remove(planted);
}

TEST_F(Rotation, EscapeWhileTurningLeavesThePictureAsItWas) {
    QCoreApplication::postEvent(&Window(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    Rotate({"45"});
    EXPECT_EQ(Surface().Picture().size(), QSize(200, 100));
    EXPECT_EQ(Surface().PixelColor(190, 10), 255);
    Window().UndoRotate();
    EXPECT_EQ(Surface().Picture().size(), QSize(200, 100)) << "a stopped turn is no turn";
    EXPECT_FALSE(Main().ProgressBar().isVisible());
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(Rotation, SavingAnEmptyPictureIsReported) {
    Surface().ClearPicture();
    QTemporaryDir folder;
    prompts->fileAnswers.push_back({folder.filePath(QStringLiteral("empty.bmp")), 1});
    Window().SavePictureAs();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(
        prompts->messages[0].text.startsWith(QStringLiteral("Error #  481 was generated.")));
}

} // namespace
