#include "app/Startup.h"
#include "AppFixture.h"
#include "TestData.h"
#include "windows/main/StatusPanels.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <sys/stat.h>

#include <new>
#include <utility>

namespace {

using Startup = AppFixture;

QAction* Item(const char* name) {
    return App().MainForm().findChild<QAction*>(QString::fromLatin1(name));
}

TEST_F(Startup, RunsItsStepsAndLeavesNoSplash) {
    Main(App());
    EXPECT_FALSE(App().SplashLoaded());
    EXPECT_EQ(clock->waitedMilliseconds, 3000) << "the splash stays up for three seconds";
    ASSERT_EQ(sound->played.size(), 1u);
    EXPECT_EQ(sound->played[0].size(), 5400);
    EXPECT_TRUE(App().Tip().isVisible());
    EXPECT_TRUE(Item("mnuViewSteps")->isChecked());
    EXPECT_TRUE(App().Zoom().isVisible());
    EXPECT_TRUE(Item("mnuViewZoom")->isChecked());
    EXPECT_TRUE(App().Options().isVisible());
    EXPECT_FALSE(Item("mnuPictureScale")->isChecked());
    EXPECT_FALSE(App().MainForm().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled());
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(Startup, APictureNamedAtTheStartIsShownWhenTheSplashGoes) {
    bool pictureDuringSplash = false;
    clock->onWait = [&] {
        if (App().SplashLoaded()) {
            pictureDuringSplash = App().Document().Picture2().HasPicture();
        }
    };
    Main(App(), Data("picture.gif"));
    EXPECT_TRUE(pictureDuringSplash) << "decoded while the splash showed";
    EXPECT_FALSE(App().SplashLoaded());
    EXPECT_TRUE(App().Document().Picture2().HasPicture());
    EXPECT_EQ(App().MainForm().PanelText(2), Data("picture.gif"));
    EXPECT_TRUE(App().MainForm().findChild<QMenu*>(QStringLiteral("mnuData"))->isEnabled());
    EXPECT_TRUE(prompts->messages.empty());
}

TEST_F(Startup, APictureThatCannotBeReadIsReportedAfterTheSplash) {
    bool boxDuringSplash = false;
    clock->onWait = [&] {
        boxDuringSplash = !prompts->messages.empty();
    };
    Main(App(), Data("truncated.png"));
    EXPECT_FALSE(boxDuringSplash);
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].title, QStringLiteral("Error"));
    EXPECT_TRUE(prompts->messages[0].text.contains(QStringLiteral("truncated.png")))
        << prompts->messages[0].text.toStdString();
    EXPECT_FALSE(App().Document().Picture2().HasPicture());
    EXPECT_TRUE(App().MainForm().isVisible());
}

TEST_F(Startup, ANamedPipeNamedAtTheStartIsRefusedWithoutWaitingForIt) {
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Main(App(), pipe);
    EXPECT_TRUE(
        prompts->OnlyMessage().endsWith(QStringLiteral("(it is a named pipe, not a file)")));
    EXPECT_TRUE(App().MainForm().isVisible());
}

TEST_F(Startup, EveryRunStartsFromTheDefaults) {
    App().session.settings.PointsColor = PackedRgb(0, 0, 0);
    App().session.settings.XLog = true;
    App().session.settings.DotSize = 9;
    App().session.settings.GridCols = 7;
    App().session.ScaleModeOn = true;
    App().session.PickColorMode = true;
    App().session.calibration.X1 = 12;
    Main(App());
    EXPECT_TRUE(App().session.settings == Settings()) << "nothing of an earlier run is kept";
    EXPECT_EQ(App().session.settings.PointsColor.Packed(), 255);
    EXPECT_EQ(App().session.settings.DotSize, 3);
    EXPECT_EQ(App().session.settings.GridCols, 50);
    EXPECT_FALSE(App().session.ScaleModeOn);
    EXPECT_FALSE(App().session.PickColorMode);
    EXPECT_EQ(App().session.calibration.X1, Unset);
    EXPECT_EQ(App().session.calibration.Edges(), NeutralFrame);
}

TEST_F(Startup, AnErrorOnTheWayIsReportedWithItsSourceAndLeavesNoSplash) {
    clock->failNextWait = true; // the splash's wait fails
    Main(App());
    EXPECT_FALSE(App().SplashLoaded());
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("Error #  53 was generated. \rFile not foundKurvex"));
    EXPECT_TRUE(App().MainForm().isVisible()) << "a main window already shown stays open";
}

TEST_F(Startup, RunningOutOfMemoryOnTheWayIsReportedAndLeavesNoSplash) {
    bool thrown = false;
    clock->onWait = [&thrown] {
        if (!std::exchange(thrown, true)) {
            throw std::bad_alloc();
        }
    };
    Main(App());
    EXPECT_FALSE(App().SplashLoaded());
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("Error #  7 was generated. \rOut of memoryKurvex"));
}

} // namespace
