#include "AppFixture.h"
#include "app/Startup.h"
#include "core/ProgramInfo.h"
#include "windows/info/frmAbout.h"
#include "windows/info/frmSplash.h"

#include <QLabel>

namespace {

using AboutAndSplash = AppFixture;

TEST_F(AboutAndSplash, AboutBoxTellsWhatTheProgramIs) {
    frmAbout about(App().desktop());
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Kurvex 2013"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
              QStringLiteral("Version 4.2.0"));
    // Each CR LF and each lone CR shows as one line break.
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
              ProgramInfo::Description + QStringLiteral("\n\nWritten by:\n") +
                  ProgramInfo::LegalNotice);
    about.picIcon_Click();
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Do something for free for somebody "
                                                     "else... at least give free smiles!"));
    about.MyUrl_Click();
    ASSERT_EQ(shell->opened.size(), 1u);
    EXPECT_TRUE(shell->opened[0].startsWith(QStringLiteral("MailTo:")));
    EXPECT_FALSE(shell->opened[0].contains(QLatin1Char(' ')));
}

} // namespace
