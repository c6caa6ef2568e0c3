#include "acquisition/PictureFileLoader.h"
#include "AppFixture.h"
#include "core/Startup.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "table/DataTable.h"
#include "table/frmData.h"

#include <QDir>
#include <QMenu>

namespace {

using PictureFileLoader = AppFixture;

QString TestData(const char* name) {
    return QDir(QStringLiteral(KURVEX_TEST_DATA)).filePath(QString::fromLatin1(name));
}

TEST_F(PictureFileLoader, OpensAPictureAsANewDocument) {
    Main();
    AppendPointRow(App().Data().Table(), 1.0f, 1.0f);
    ASSERT_TRUE(OpenPictureFile(TestData("graph-60x40.png")));
    EXPECT_EQ(App().Document().Picture2().Picture().size(), QSize(60, 40));
    EXPECT_EQ(App().MainForm().PanelText(2), TestData("graph-60x40.png"));
    EXPECT_TRUE(App().MainForm().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled());
    EXPECT_EQ(App().Data().Table().RowCount(), 2) << "the points stay";
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(PictureFileLoader, BadFilesGiveTheErrorBoxAndAnEmptyPicture) {
    Main();
    AppendPointRow(App().Data().Table(), 1.0f, 1.0f);
    for (const char* name : {"truncated.png", "not-a-picture.png", "empty.bmp", "missing.png"}) {
        prompts->messages.clear();
        EXPECT_FALSE(OpenPictureFile(TestData(name))) << name;
        ASSERT_EQ(prompts->messages.size(), 1u) << name;
        EXPECT_TRUE(prompts->messages[0].text.startsWith(QStringLiteral("Error # ")));
        EXPECT_TRUE(prompts->messages[0].text.contains(QString::fromLatin1(name)));
        EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Error"));
        EXPECT_FALSE(App().Document().Picture2().HasPicture());
        EXPECT_EQ(App().MainForm().PanelText(2), QStringLiteral("Picture File"));
    }
    EXPECT_EQ(App().Data().Table().RowCount(), 2);
}

} // namespace
