#include "table/GridPrinter.h"

#include <QPainter>

namespace {
// Scrollable rows (or columns) above the first one in view are passed over; fixed ones never.
int SkipScrolledOut(int index, int fixedCount, int firstInView) {
    return index >= fixedCount && index < firstInView ? firstInView : index;
}
} // namespace

std::pair<int, int> PrintGrid(QPainter& painter, const GridDisplay& grid, int pixelTwipsX,
                              int pixelTwipsY, const PrintProgress& progress) {
    const double tx = pixelTwipsX;
    const double ty = pixelTwipsY;
    const int rows = static_cast<int>(grid.rowHeights.size());
    const int columns = static_cast<int>(grid.columnWidths.size());
    if (progress.start) {
        progress.start(columns * rows + 1);
    }
    int counter = 0;
    double x0 = 0;
    double y0 = 0;
    if (grid.border) {
        painter.drawRect(QRectF(x0, y0, grid.width - tx, grid.height - ty));
        x0 += tx;
        y0 += ty;
    }

    std::pair<int, int> lastCell{0, 0};
    double x = x0;
    double yEnd = y0;
    for (int c = 0; c < columns; ++c) {
        c = SkipScrolledOut(c, grid.fixedColumns, grid.leftColumn);
        if (c >= columns) {
            break;
        }
        if (x + grid.columnWidths[static_cast<size_t>(c)] >= grid.width) {
            break;
        }
        double y = y0;
        for (int r = 0; r < rows; ++r) {
            ++counter;
            if (progress.advance && !progress.advance(counter)) {
                return lastCell;
            }
            r = SkipScrolledOut(r, grid.fixedRows, grid.topRow);
            if (r >= rows) {
                break;
            }
            const double rowHeight = grid.rowHeights[static_cast<size_t>(r)];
            if (y + rowHeight >= grid.height) {
                break;
            }
            painter.drawText(
                QRectF(x + 2 * tx, y + ty, grid.columnWidths[static_cast<size_t>(c)], rowHeight),
                Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, grid.cellText(r, c));
            lastCell = {r, c};
            y += rowHeight + (grid.gridLines ? ty : 0);
        }
        yEnd = y;
        x += grid.columnWidths[static_cast<size_t>(c)] + (grid.gridLines ? tx : 0);
    }
    const double xEnd = x;

    if (grid.gridLines) {
        x = x0;
        for (int c = 0; c < columns; ++c) {
            c = SkipScrolledOut(c, grid.fixedColumns, grid.leftColumn);
            if (c >= columns) {
                break;
            }
            x += grid.columnWidths[static_cast<size_t>(c)];
            if (x >= grid.width) {
                break;
            }
            painter.drawLine(QPointF(x, y0), QPointF(x, y0 + yEnd - ty));
            x += tx;
        }
        double y = y0;
        for (int r = 0; r < rows; ++r) {
            r = SkipScrolledOut(r, grid.fixedRows, grid.topRow);
            if (r >= rows) {
                break;
            }
            y += grid.rowHeights[static_cast<size_t>(r)];
            if (y >= grid.height) {
                break;
            }
            painter.drawLine(QPointF(x0, y), QPointF(x0 + xEnd - tx, y));
            y += ty;
        }
    }
    return lastCell;
}
