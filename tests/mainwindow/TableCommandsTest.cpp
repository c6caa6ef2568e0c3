#include "PictureFixture.h"
#include "windows/shared/ScreenPointer.h"

namespace {

class TableCommands : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        Surface().SetScale({0, 100, 100, 0});
    }
    frmData& Data() { return App().Data(); }
    void Add(double x, double y) { AppendPointRow(Table(), x, y); }
};

TEST_F(TableCommands, RemoveAllAsksAndNoChangesNothing) {
    Add(1, 1);
    Add(2, 2);
    prompts->messageAnswers = {MessageAnswer::No};
    Main().mnuDataRemoveAll_Click();
    EXPECT_EQ(Table().PointCount(), 2);
    EXPECT_TRUE(Table().HeaderFrozen());
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Delete all the rows from the data grid?"));

    App().session.DataFileName = QStringLiteral("/tmp/kept.dat");
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().mnuDataRemoveAll_Click();
    EXPECT_EQ(Table().RowCount(), 1);
    EXPECT_FALSE(Table().HeaderFrozen());
    EXPECT_EQ(App().session.DataFileName, QStringLiteral("/tmp/kept.dat"));
    EXPECT_EQ(Surface().DrawnImage(), Surface().Picture()) << "markers gone";
}

TEST_F(TableCommands, RemoveSelectedAsksOnlyFromTheDataWindow) {
    for (int i = 1; i <= 4; ++i) {
        Add(i, i);
    }
    Main().ActivateChildWindow(&Data());
    Data().SetRow(2);
    Data().SetRowSel(3);
    prompts->messageAnswers = {MessageAnswer::No};
    Main().mnuDataRemoveSelected_Click();
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Delete selected rows from the data grid?"));
    EXPECT_EQ(Table().PointCount(), 4);

    prompts->messageAnswers = {MessageAnswer::Yes};
    Data().SetRow(2);
    Data().SetRowSel(3);
    Main().mnuDataRemoveSelected_Click();
    ASSERT_EQ(Table().PointCount(), 2);
    EXPECT_EQ(Cell(2, 1), QStringLiteral(" 4"));
    EXPECT_EQ(Cell(1, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(2, 0), QStringLiteral("2"));
}

TEST_F(TableCommands, ASelectionReachingIntoTheHeaderRemovesOnlyItsPoints) {
    for (int i = 1; i <= 4; ++i) {
        Add(i, i);
    }
    Data().SetRow(0);
    Data().SetRowSel(2);
    Main().mnuDataRemoveSelected_Click();
    ASSERT_EQ(Table().PointCount(), 2);
    EXPECT_EQ(Cell(1, 1), QStringLiteral(" 3")) << "the unselected third point stays";
    EXPECT_EQ(Cell(0, 0), QStringLiteral("= Point ="));
}

TEST_F(TableCommands, SortReportsANumberTooLargeToRead) {
    Add(1, 1);
    Table().SetCellText(1, 1, QStringLiteral("1e999"));
    Main().mnuDataSortX_Click();
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Error #  6 was generated. \rOverflow"));
    EXPECT_EQ(Cell(1, 1), QStringLiteral("1e999"));
}

TEST_F(TableCommands, RefreshRedrawsEveryRowThatHasAPlace) {
    App().session.settings.XLog = true;
    Surface().SetScale({0, 100, 2, 0}); // log10 x from 0 to 2
    Add(10, 50);                        // log10 = 1: the middle
    Add(0, 50);                         // no place on a log axis
    Add(-5, 50);
    Table().SetCellText(3, 1, QStringLiteral("not a number"));
    Surface().PSet(5, 5, PackedRgb(0, 255, 0));
    Main().mnuViewRefresh_Click();
    EXPECT_EQ(Surface().PixelColor(100, 50), App().session.settings.PointsColor.Packed());
    EXPECT_NE(Surface().PixelColor(5 * 2, 95), 0x00FF00) << "old drawing erased";
    EXPECT_EQ(Data().Row(), Table().RowCount() - 1) << "the grid ends on the last row";
}

} // namespace
