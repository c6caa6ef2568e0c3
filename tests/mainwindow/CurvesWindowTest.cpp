#include "PictureFixture.h"
#include "session/Curve.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

namespace {

class Curves : public PictureFixture {
protected:
    Session& S() { return App().session; }
    // New Curve with the name the user types.
    void NewCurve(const QString& name) {
        prompts->textAnswers.push_back(name);
        Main().mnuDataNewCurve_Click();
    }
    // A 3 x 3 block of a colour around a pixel, for auto-read to find (a new picture: before
    // anything is drawn).
    void Paint(QPoint centre, PackedColor color) {
        QImage picture = Surface().Picture();
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                picture.setPixel(centre + QPoint(dx, dy), color.ToQRgb());
            }
        }
        Surface().SetPicture(picture);
    }
    QTemporaryDir folder;
};

TEST_F(Curves, NewCurveTakesAFreeNameAndRefusesTheOthers) {
    prompts->textAnswers = {QString()}; // Cancel
    Main().mnuDataNewCurve_Click();
    EXPECT_EQ(S().CurveCount(), 1);
    // An empty name cannot be typed past Cancel; a taken one is refused and asked again.
    prompts->textAnswers = {QStringLiteral("curve 1"), QStringLiteral("Fit")};
    Main().mnuDataNewCurve_Click();
    ASSERT_EQ(prompts->messages.size(), 1u);
    EXPECT_EQ(prompts->messages[0].text,
              QStringLiteral("There is a curve named \"Curve 1\" already."));
    ASSERT_EQ(S().CurveCount(), 2);
    EXPECT_EQ(S().CurrentCurve().name, QStringLiteral("Fit"));
    EXPECT_EQ(S().CurrentCurve().color, CurvePaletteColor(2));
    EXPECT_EQ(&Table(), S().CurrentCurve().table.get()) << "the data window shows the new curve";
}

TEST_F(Curves, NextAndPreviousGoRoundAndDeletingAsksForPoints) {
    NewCurve(QStringLiteral("B"));
    NewCurve(QStringLiteral("C"));
    Main().mnuDataNextCurve_Click();
    EXPECT_EQ(S().CurrentCurveIndex(), 0) << "after the last comes the first";
    Main().mnuDataPreviousCurve_Click();
    EXPECT_EQ(S().CurrentCurveIndex(), 2);
    Press(Qt::LeftButton, {50, 50});
    prompts->messageAnswers = {MessageAnswer::No};
    Main().mnuDataDeleteCurve_Click();
    EXPECT_EQ(S().CurveCount(), 3) << "No keeps the curve with its point";
    EXPECT_TRUE(prompts->messages.back().text.contains(QStringLiteral("\"C\" with its 1 point")));
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().mnuDataDeleteCurve_Click();
    EXPECT_EQ(S().CurveCount(), 2);
    const std::size_t asked = prompts->messages.size();
    Main().mnuDataDeleteCurve_Click(); // B has no points: no question
    EXPECT_EQ(prompts->messages.size(), asked);
    Main().mnuDataDeleteCurve_Click();
    EXPECT_EQ(S().CurveCount(), 1) << "the last curve stays";
    EXPECT_TRUE(prompts->messages.back().text.startsWith(QStringLiteral("The last curve")));
}

// Three curves built by clicks and auto-read, each point in its own curve and drawn in its
// colour; exported, the file reads back as the tables.
TEST_F(Curves, ThreeCurvesByClicksAndAutoReadExportAsTheirTables) {
    // The second curve's series, in the colour New Curve will give it.
    const PackedColor second = CurvePaletteColor(2);
    Paint({40, 20}, second);
    Paint({120, 60}, second);
    Press(Qt::LeftButton, {20, 30});
    Press(Qt::LeftButton, {60, 70});
    NewCurve(QStringLiteral("Read, \"auto\""));
    ASSERT_EQ(S().CurrentCurve().color, second);
    Main().mnuDataAR_Click();
    EXPECT_EQ(Table().PointCount(), 2);
    EXPECT_EQ(S().TableOf(0).PointCount(), 2) << "auto-read went into the current curve only";
    NewCurve(QStringLiteral("Third"));
    Press(Qt::LeftButton, {150, 10});
    EXPECT_EQ(Surface().PixelColor(150, 10), S().CurrentCurve().color->Packed())
        << "the marker is drawn in the curve's colour";
    EXPECT_EQ(Surface().PixelColor(20, 30), S().settings.PointsColor.Packed())
        << "the first curve follows the options";

    const QString path = folder.filePath(QStringLiteral("all.csv"));
    prompts->fileAnswers.push_back({path, 1});
    ASSERT_TRUE(Main().mnuDataExportAll_Click());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 1 + 5 + 1) << "header, five points, and the end of the last line";
    EXPECT_EQ(lines[0], QStringLiteral("curve,x,y"));
    int line = 1;
    for (int curve = 0; curve < S().CurveCount(); ++curve) {
        const DataTable& table = S().TableOf(curve);
        for (int row = 1; row < table.RowCount(); ++row, ++line) {
            const QString name =
                curve == 1 ? QStringLiteral("\"Read, \"\"auto\"\"\"") : S().CurveAt(curve).name;
            EXPECT_EQ(lines[line], name + QLatin1Char(',') + table.CellText(row, 1).trimmed() +
                                       QLatin1Char(',') + table.CellText(row, 2).trimmed());
        }
    }

    // Copy All Curves puts the same, tab-separated, on the clipboard.
    Main().mnuDataCopyAll_Click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("curve\tx\ty\r\n")));
}

TEST_F(Curves, SortAndInterpolationOnOneCurveLeaveTheOthersAlone) {
    Press(Qt::LeftButton, {30, 30});
    NewCurve(QStringLiteral("B"));
    for (const double x : {4.0, 1.0, 3.0, 2.0, 5.0}) {
        AppendPointRow(Table(), x, x * x);
    }
    NewCurve(QStringLiteral("C"));
    Press(Qt::LeftButton, {90, 40});
    const auto first = S().TableOf(0).Rows();
    const auto third = S().TableOf(2).Rows();
    Main().mnuDataPreviousCurve_Click();
    Main().mnuDataSortX_Click();
    EXPECT_EQ(Cell(1, 1).trimmed(), QStringLiteral("1"));
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().mnuDataSpline_Click();
    EXPECT_GT(Table().PointCount(), 5);
    EXPECT_EQ(S().TableOf(0).Rows(), first);
    EXPECT_EQ(S().TableOf(2).Rows(), third);
}

TEST_F(Curves, AHiddenCurveLosesItsMarkersOnRefresh) {
    Press(Qt::LeftButton, {30, 30});
    NewCurve(QStringLiteral("B"));
    Press(Qt::LeftButton, {100, 50});
    S().SetCurveShown(0, false);
    Main().mnuViewRefresh_Click();
    EXPECT_EQ(Surface().PixelColor(30, 30), PackedRgb(255, 255, 255).Packed());
    EXPECT_EQ(Surface().PixelColor(100, 50), S().CurrentCurve().color->Packed());
}

// Leaving the program with points in curves other than the current one offers them all as one
// export: No leaves, Cancel stays, Yes writes the file before leaving.
TEST_F(Curves, LeavingOffersToExportThePointsOfEveryCurve) {
    Press(Qt::LeftButton, {30, 30});
    NewCurve(QStringLiteral("B")); // current, and empty
    prompts->messageAnswers = {MessageAnswer::Cancel};
    EXPECT_FALSE(App().Data().QueryUnload());
    EXPECT_EQ(prompts->messages.back().text,
              QStringLiteral("Export the points of all curves before leaving?"));
    const QString path = folder.filePath(QStringLiteral("leaving.csv"));
    prompts->messageAnswers = {MessageAnswer::Yes};
    prompts->fileAnswers = {{path, 1}};
    EXPECT_TRUE(App().Data().QueryUnload());
    EXPECT_TRUE(QFile::exists(path));
    prompts->messageAnswers = {MessageAnswer::No};
    EXPECT_TRUE(App().Data().QueryUnload());
}

// The selector above the data grid: it lists the curves and follows the current one; choosing
// in it switches, Rename refuses a taken name, and Shown hides a curve's markers.
TEST_F(Curves, TheSelectorAboveTheGridListsSwitchesRenamesAndHides) {
    frmData& data = App().Data();
    auto* list = data.findChild<QComboBox*>(QStringLiteral("cboCurve"));
    auto* shown = data.findChild<QCheckBox*>(QStringLiteral("chkCurveShown"));
    auto* rename = data.findChild<QPushButton*>(QStringLiteral("cmdRenameCurve"));
    ASSERT_TRUE(list && shown && rename);
    EXPECT_LT(list->geometry().bottom(), data.GridData().geometry().top()) << "above the grid";
    NewCurve(QStringLiteral("B"));
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText(), QStringLiteral("B"));
    Press(Qt::LeftButton, {100, 50});
    list->setCurrentIndex(0);
    emit list->activated(0);
    EXPECT_EQ(S().CurrentCurveIndex(), 0);
    EXPECT_EQ(data.GridData().model(), &S().TableOf(0));
    prompts->textAnswers = {QStringLiteral("b"), QStringLiteral("First")};
    rename->click();
    EXPECT_EQ(prompts->messages.back().text,
              QStringLiteral("There is a curve named \"B\" already."));
    EXPECT_EQ(list->itemText(0), QStringLiteral("First"));
    Main().mnuDataNextCurve_Click();
    EXPECT_EQ(list->currentIndex(), 1);
    shown->click();
    EXPECT_FALSE(S().CurveAt(1).shown);
    EXPECT_EQ(Surface().PixelColor(100, 50), PackedRgb(255, 255, 255).Packed())
        << "the hidden curve's marker is gone";
}

} // namespace
