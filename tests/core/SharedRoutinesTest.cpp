#include "core/SharedRoutines.h"
#include "AppFixture.h"
#include "core/ErrorReport.h"

#include <new>
#include <vector>

namespace {

using SharedRoutines = AppFixture;

TEST_F(SharedRoutines, ResetDocumentForgetsThePictureButNotThePoints) {
    App().DataFileName = QStringLiteral("/tmp/points.dat");
    App().calibration.X1 = 1;
    App().calibration.X2 = 2;
    App().calibration.Y1 = 3;
    QImage picture(50, 40, QImage::Format_RGB32);
    picture.fill(Qt::white);
    App().Document().Picture2().SetPicture(picture);
    App().Document().Picture2().SetScale({0, 100, 100, 0});
    AppendPointRow(App().Data().Table(), 1.0f, 2.0f);
    App().MainForm().SetPanelText(1, QStringLiteral("busy"));
    App().MainForm().SetPanelText(4, QStringLiteral("busy"));

    ResetDocument();

    EXPECT_TRUE(App().DataFileName.isEmpty());
    EXPECT_EQ(App().calibration.X1, Unset);
    EXPECT_EQ(App().calibration.X2, Unset);
    EXPECT_EQ(App().calibration.Y1, 3);
    EXPECT_FALSE(App().Document().Picture2().HasPicture());
    EXPECT_EQ(App().Document().Picture2().Coordinates().Edges(), NeutralFrame);
    EXPECT_EQ(App().MainForm().PanelText(1), QStringLiteral("Data File"));
    EXPECT_EQ(App().MainForm().PanelText(4), QStringLiteral("Y Value"));
    EXPECT_EQ(App().Data().Table().RowCount(), 2);
}

TEST_F(SharedRoutines, ACommandThatCannotGetItsMemoryEndsInTheErrorBox) {
    RunCommand([] { throw std::bad_alloc(); });
    RunCommand([] {
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
    RunCommand([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_EQ(prompts->messages.size(), 2u);
}

} // namespace
