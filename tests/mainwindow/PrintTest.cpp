#include "PictureFixture.h"
#include "table/GridPrinter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressBar>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

namespace {

class Printing : public PictureFixture {
protected:
    void SetUp() override {
        PictureFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
        for (int i = 1; i <= 200; ++i) {
            AppendPointRow(Table(), static_cast<double>(i), static_cast<double>(1000 + i));
        }
        App().Data().parentWidget()->resize(500, 300);
        QCoreApplication::processEvents();
    }

    // Prints to a PDF file and gives back its text.
    QString PrintAndRead() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = folder.filePath(QStringLiteral("table.pdf"));
        printer.setOutputFileName(pdf);
        EXPECT_TRUE(Main().PrintTable(printer));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            ADD_FAILURE() << "pdftotext is missing";
            return {};
        }
        QProcess process;
        process.start(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir folder;
};

TEST_F(Printing, EscapeStopsThePrintingAndSaysSo) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("stopped.pdf")));
    QCoreApplication::postEvent(&Main(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    EXPECT_FALSE(Main().PrintTable(printer));
    EXPECT_EQ(prompts->OnlyMessage(), QStringLiteral("Printing was stopped. Nothing was printed."));
    EXPECT_FALSE(Main().ProgressBar().isVisible());
}

TEST_F(Printing, AScrolledGridPrintsItsRowsWithTheFrozenHeaderOnTop) {
    Table().SetHeaderFrozen(true);
    App().Data().GridData().scrollTo(Table().index(120, 0), QAbstractItemView::PositionAtTop);
    QCoreApplication::processEvents();
    const QString text = PrintAndRead();
    EXPECT_TRUE(text.contains(QStringLiteral("= Y Axis ="))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1120")));
    EXPECT_FALSE(text.contains(QStringLiteral("1001")));
    EXPECT_FALSE(text.contains(QStringLiteral("1119")));
}

TEST_F(Printing, AColumnScrolledOutOfViewIsNotPrinted) {
    QTableView& view = App().Data().GridData();
    view.setColumnWidth(1, view.viewport()->width() - 60); // the grid now scrolls sideways
    QCoreApplication::processEvents();
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    ASSERT_EQ(view.columnAt(0), 1);
    const QString text = PrintAndRead();
    EXPECT_FALSE(text.contains(QStringLiteral("= Point ="))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("= X Axis =")));
}

TEST_F(Printing, NoMeansNothingAndNoPrinterIsToldClearly) {
    prompts->messageAnswers = {MessageAnswer::No};
    Main().mnuFilePrint_Click();
    EXPECT_EQ(prompts->OnlyMessage(),
              QStringLiteral("Would you like to print the data in the table?"));
    prompts->messageAnswers = {MessageAnswer::Yes};
    Main().mnuFilePrint_Click();
    // On a machine without printers the user is told; with one the table goes to it.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        ASSERT_EQ(prompts->messages.size(), 3u);
        EXPECT_EQ(prompts->messages[2].title, QStringLiteral("Print"));
        EXPECT_EQ(
            prompts->messages[2].text,
            QStringLiteral("There is no printer to print on. Set up a printer and try again."));
    } else {
        EXPECT_EQ(prompts->messages.size(), 2u);
    }
    EXPECT_FALSE(Main().ProgressBar().isVisible());
}

// The progress counts each cell looked at, column by column from 1; told to stop, the printing
// ends with the cell before.
TEST(PrintGrid, CountsEachCellLookedAtAndStopsWhenTold) {
    QImage page(400, 400, QImage::Format_RGB32);
    QPainter painter(&page);
    GridDisplay grid;
    grid.rowHeights = {50, 50, 50};
    grid.columnWidths = {100, 100};
    grid.width = 1000;
    grid.height = 1000;
    int printed = 0;
    grid.cellText = [&printed](int, int) {
        ++printed;
        return QStringLiteral("x");
    };
    int maximum = 0;
    std::vector<int> seen;
    PrintProgress progress{[&maximum](int value) { maximum = value; },
                           [&seen](int value) {
                               seen.push_back(value);
                               return true;
                           }};
    EXPECT_EQ(PrintGrid(painter, grid, 1, 1, progress), std::make_pair(2, 1));
    EXPECT_EQ(maximum, 7);
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    printed = 0;
    progress.advance = [](int value) {
        return value < 4;
    };
    EXPECT_EQ(PrintGrid(painter, grid, 1, 1, progress), std::make_pair(2, 0));
    EXPECT_EQ(printed, 3);
}

} // namespace
