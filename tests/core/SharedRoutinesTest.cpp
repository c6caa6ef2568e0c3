#include "AppFixture.h"
#include "windows/shared/ErrorReport.h"

#include <new>
#include <vector>

namespace {

using SharedRoutines = AppFixture;

TEST_F(SharedRoutines, ACommandThatCannotGetItsMemoryEndsInTheErrorBox) {
    RunCommand(App().session, App().prompts(), [] { throw std::bad_alloc(); });
    RunCommand(App().session, App().prompts(), [] {
        std::vector<double> samples;
        samples.reserve(samples.max_size() + 1); // more than can ever be asked for
    });
    ASSERT_EQ(prompts->messages.size(), 2u);
    for (const ShownMessage& box : prompts->messages) {
        EXPECT_TRUE(
            box.text.startsWith(QStringLiteral("Error #  7 was generated. \rOut of memory")))
            << box.text.toStdString();
        EXPECT_EQ(box.title, QStringLiteral("Error"));
    }
    bool ran = false;
    RunCommand(App().session, App().prompts(), [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(prompts->messages.size(), 2u);
}

} // namespace
