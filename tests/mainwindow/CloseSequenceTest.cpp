#include "AppFixture.h"
#include "core/Startup.h"
#include "info/frmTip.h"
#include "mainwindow/frmMain.h"
#include "options/frmOptions.h"
#include "zoom/frmZoom.h"

namespace {

using CloseSequence = AppFixture;

TEST_F(CloseSequence, ClosingTheFrameClosesEveryOtherWindow) {
    Main();
    EXPECT_TRUE(App().MainForm().close());
    EXPECT_FALSE(App().MainForm().isVisible());
    EXPECT_FALSE(App().Zoom().isVisible());
    EXPECT_FALSE(App().Options().isVisible());
    EXPECT_FALSE(App().Tip().isVisible());
}

TEST_F(CloseSequence, ExitWithoutAWorkingFileIsNoError) {
    Main();
    App().MainForm().mnuFileExit_Click();
    EXPECT_FALSE(App().MainForm().isVisible());
    EXPECT_TRUE(prompts->messages.empty());
}

} // namespace
