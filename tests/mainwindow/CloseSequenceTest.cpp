#include "AppFixture.h"
#include "core/Startup.h"
#include "info/frmTip.h"
#include "mainwindow/frmMain.h"
#include "options/frmOptions.h"
#include "zoom/frmZoom.h"

#include <QDir>
#include <QFile>

namespace {

using CloseSequence = AppFixture;

TEST_F(CloseSequence, ClosingTheFrameClosesEveryOtherWindowAndTheWorkingFile) {
    Main();
    const QString workingFile = QDir(QDir::tempPath()).filePath(QStringLiteral("kurvex_tempfile"));
    {
        QFile stale(workingFile);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    EXPECT_TRUE(App().MainForm().close());
    EXPECT_FALSE(App().MainForm().isVisible());
    EXPECT_FALSE(App().Zoom().isVisible());
    EXPECT_FALSE(App().Options().isVisible());
    EXPECT_FALSE(App().Tip().isVisible());
    EXPECT_FALSE(QFile::exists(workingFile));
}

TEST_F(CloseSequence, ExitWithoutAWorkingFileIsNoError) {
    Main();
    App().MainForm().mnuFileExit_Click();
    EXPECT_FALSE(App().MainForm().isVisible());
    EXPECT_TRUE(prompts->messages.empty());
}

} // namespace
