#include "PictureFixture.h"
#include "TestData.h"
#include "core/Calibration.h"

#include <QMenu>

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
    App().DataFileName = QStringLiteral("/tmp/points.dat");
    DisableDataMenu();
    prompts->fileAnswers.push_back({Data("picture.gif"), 2});
    Main().mnuPictureImport_Click();
    EXPECT_EQ(Surface().Picture().size(), QSize(16, 12));
    EXPECT_EQ(Main().PanelText(2), Data("picture.gif"));
    EXPECT_EQ(Main().PanelText(1), QStringLiteral("Data File"));
    EXPECT_TRUE(App().DataFileName.isEmpty());
    EXPECT_EQ(App().calibration.X1, Unset);
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

} // namespace
