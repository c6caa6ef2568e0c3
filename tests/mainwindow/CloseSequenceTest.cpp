#include "AppFixture.h"
#include "app/Startup.h"

namespace {

using CloseSequence = AppFixture;

TEST_F(CloseSequence, ExitClosesEveryWindowWithoutAQuestion) {
    Main(App());
    App().MainForm().mnuFileExit_Click();
    EXPECT_FALSE(App().MainForm().isVisible());
    EXPECT_FALSE(App().Zoom().isVisible());
    EXPECT_FALSE(App().Options().isVisible());
    EXPECT_FALSE(App().Tip().isVisible());
    EXPECT_TRUE(prompts->messages.empty()) << "no working file, no error";
}

} // namespace
