#include "PictureFixture.h"
#include "TestData.h"

#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

class DataWindow : public PictureFixture {
protected:
    frmData& Data() { return App().Data(); }
    void AddPoints(int count) {
        for (int i = 1; i <= count; ++i) {
            AppendPointRow(Table(), static_cast<float>(i), static_cast<float>(10 * i));
        }
    }
    QPoint CellCentre(int row, int column) {
        QTableView& grid = Data().GridData();
        return grid.visualRect(Table().index(row, column)).center();
    }
    void ClickCell(int row, int column) {
        QTest::mouseClick(Data().GridData().viewport(), Qt::LeftButton, {},
                          CellCentre(row, column));
    }
};

TEST_F(DataWindow, ClickShowsThePointInTheEditPanelAndMarksIt) {
    AddPoints(3);
    App().Document().Picture2().SetScale({0, 40, 4, 0});
    ClickCell(2, 1);
    EXPECT_EQ(Data().Text1().text(), QStringLiteral("2"));
    EXPECT_EQ(Data().TxtXValue().text(), QStringLiteral(" 2"));
    EXPECT_EQ(Data().TxtYValue().text(), QStringLiteral(" 20"));
    // x 2 of 0..4 on 200 pixels, y 20 of 40..0 on 100 pixels; half of red is 127.
    EXPECT_EQ(Surface().PixelColor(100, 50), 127);
}

TEST_F(DataWindow, SetNewValuesWritesTheNumbersAsTypedAndRefusesOtherTexts) {
    AddPoints(3);
    Data().Text1().setText(QStringLiteral("2"));
    Data().TxtXValue().setText(QStringLiteral("  1.50 "));
    Data().TxtYValue().setText(QStringLiteral(" \t-2E-03 "));
    Data().cmdSetValues_Click();
    EXPECT_EQ(Cell(2, 1), QStringLiteral("1.50"));
    EXPECT_EQ(Cell(2, 2), QStringLiteral("\t-2E-03")) << "only spaces are trimmed";
    EXPECT_TRUE(prompts->messages.empty());

    const struct {
        const char* x;
        const char* y;
        const char* named;
    } refused[] = {{"1,5", "3", "The X value \"1,5\""},
                   {"3", "abc", "The Y value \"abc\""},
                   {"", "3", "The X value \"\""}};
    for (const auto& values : refused) {
        prompts->messages.clear();
        Data().TxtXValue().setText(QString::fromLatin1(values.x));
        Data().TxtYValue().setText(QString::fromLatin1(values.y));
        Data().cmdSetValues_Click();
        ASSERT_EQ(prompts->messages.size(), 1u) << values.named;
        EXPECT_TRUE(prompts->messages[0].text.startsWith(QString::fromLatin1(values.named)))
            << prompts->messages[0].text.toStdString();
        EXPECT_EQ(Cell(2, 1), QStringLiteral("1.50")) << "the row keeps its values";
        EXPECT_EQ(Cell(2, 2), QStringLiteral("\t-2E-03"));
    }
}

TEST_F(DataWindow, SetNewValuesIgnoresZeroNegativeAndText) {
    AddPoints(2);
    for (const char* number : {"0", "-1", "text", ""}) {
        Data().Text1().setText(QString::fromLatin1(number));
        Data().TxtXValue().setText(QStringLiteral("7"));
        Data().cmdSetValues_Click();
        EXPECT_EQ(Cell(1, 1), QStringLiteral(" 1")) << number;
        EXPECT_EQ(Cell(2, 1), QStringLiteral(" 2")) << number;
        EXPECT_EQ(Cell(0, 1), QStringLiteral("= X Axis =")) << number;
    }
}

TEST_F(DataWindow, ABigPointNumberWritesIntoTheCurrentRowButNeverTheHeader) {
    AddPoints(3);
    Data().Text1().setText(QStringLiteral("2"));
    Data().Text1().setText(QStringLiteral("9"));
    Data().TxtXValue().setText(QStringLiteral("42"));
    Data().cmdSetValues_Click();
    EXPECT_EQ(Cell(2, 1), QStringLiteral("42"));

    Data().Text1().setText(QStringLiteral("0")); // the header row becomes current
    Data().Text1().setText(QStringLiteral("9"));
    Data().TxtXValue().setText(QStringLiteral("oops"));
    Data().cmdSetValues_Click();
    EXPECT_EQ(Cell(0, 1), QStringLiteral("= X Axis ="));
}

TEST_F(DataWindow, ClickOnTheHeaderOfAnEmptyTableIsHarmless) {
    ClickCell(0, 1);
    EXPECT_EQ(Table().RowCount(), 1);
    EXPECT_TRUE(Data().Text1().text().isEmpty());
    EXPECT_EQ(Data().Row(), 0);
}

TEST_F(DataWindow, LastCallOnlyWithPoints) {
    EXPECT_TRUE(Data().QueryUnload());
    EXPECT_TRUE(prompts->messages.empty());
    AddPoints(1);
    prompts->messageAnswers.push_back(MessageAnswer::No);
    EXPECT_TRUE(Data().QueryUnload());
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Save Data from the Grid before leaving?"));

    // Yes with the save dialog cancelled asks again; Yes and a place saves and lets go.
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("points.csv"));
    prompts->messages.clear();
    prompts->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    prompts->fileAnswers = {{QString(), 3}, {saved, 3}};
    EXPECT_TRUE(Data().QueryUnload());
    EXPECT_EQ(prompts->messages.size(), 2u);
    EXPECT_EQ(prompts->fileRequests.size(), 2u);
    EXPECT_TRUE(ReadFile(saved).endsWith("\" 1\",\" 10\"\r\n")) << "the point is in the file";

    prompts->messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(Data().QueryUnload()) << "Cancel stays in the program";
}

} // namespace
