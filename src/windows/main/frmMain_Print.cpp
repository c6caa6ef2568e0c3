// Printing the table as the data window shows it.

#include "windows/main/frmMain.h"
#include "windows/shared/LongCommand.h"

#include "layout/Twips.h"
#include "platform/Prompts.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "table/GridPrinter.h"
#include "windows/data/frmData.h"
#include "windows/shared/WindowSet.h"

#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace {

const QString PrintTitle = QStringLiteral("Print");

GridDisplay DisplayOf(frmData& data) {
    QTableView& view = data.GridData();
    const DataTable& table = data.Table();
    GridDisplay grid;
    const bool frozen = table.HeaderFrozen();
    grid.fixedRows = frozen ? 1 : 0;
    grid.rowHeights.resize(static_cast<size_t>(table.RowCount()));
    for (int row = 0; row < table.RowCount(); ++row) {
        const int pixels = row == 0 && frozen ? view.horizontalHeader()->height()
                                              : view.verticalHeader()->defaultSectionSize();
        grid.rowHeights[static_cast<size_t>(row)] = PixelsToTwips(pixels);
    }
    for (int column = 0; column < DataTable::ColumnCount; ++column) {
        grid.columnWidths.push_back(PixelsToTwips(view.columnWidth(column)));
    }
    grid.topRow = std::max(view.rowAt(0), 0);
    grid.leftColumn = std::max(view.columnAt(0), 0);
    grid.width = PixelsToTwips(view.width());
    grid.height = PixelsToTwips(view.height());
    grid.border = view.frameShape() != QFrame::NoFrame;
    grid.gridLines = view.showGrid();
    grid.cellText = [&table](int row, int column) {
        return table.CellText(row, column);
    };
    return grid;
}

} // namespace

void frmMain::mnuFilePrint_Click() {
    const MessageAnswer answer = m_desktop.prompts.ShowMessage(
        QStringLiteral("Would you like to print the data in the table?"), PrintTitle,
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        return;
    }
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("There is no printer to print on. Set up a printer and try again."),
            PrintTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    PrintTable(printer);
}

bool frmMain::PrintTable(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("The printer could not start printing. Nothing was printed."),
            PrintTitle, MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    // One unit is one twip, so the grid prints at the size it shows on screen.
    painter.scale(printer.logicalDpiX() / 1440.0, printer.logicalDpiY() / 1440.0);
    QFont font = m_windows.Data().GridData().font();
    font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() * 20)));
    painter.setFont(font);
    painter.setPen(QPen(Qt::black, 0));
    const int pixelX = std::max(1, static_cast<int>(std::lround(1440.0 / printer.logicalDpiX())));
    const int pixelY = std::max(1, static_cast<int>(std::lround(1440.0 / printer.logicalDpiY())));

    frmData& data = m_windows.Data();
    // The bar follows the cells looked at, as the grid's own count goes (the command's own
    // bar stays hidden: it only listens for Escape).
    LongCommand command;
    PrintProgress progress;
    progress.start = [this](int maximum) {
        m_progressBar->setRange(0, maximum);
        m_progressBar->setValue(0);
        m_progressBar->show();
    };
    progress.advance = [this, &command](int value) {
        m_progressBar->setValue(value);
        return !command.StopRequested();
    };
    const auto [row, column] = PrintGrid(painter, DisplayOf(data), pixelX, pixelY, progress);
    m_progressBar->hide();
    if (command.Stopped()) {
        // Nothing half printed reaches the printer.
        printer.abort();
        painter.end();
        m_desktop.prompts.ShowMessage(QStringLiteral("Printing was stopped. Nothing was printed."),
                                      PrintTitle, MessageIcon::Information, MessageButtons::Ok);
        return false;
    }
    const bool printed = painter.end();
    data.SetCol(column);
    data.SetRow(row);
    if (!printed) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("The printer reported an error. The table may not have been printed."),
            PrintTitle, MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return printed;
}
