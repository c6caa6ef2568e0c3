#pragma once

#include <QString>

#include <functional>
#include <vector>

class QPainter;

// The data grid as it shows on screen, in twips: what printing reproduces.
struct GridDisplay {
    std::vector<double> rowHeights;
    std::vector<double> columnWidths;
    int fixedRows = 0;
    int fixedColumns = 0;
    int topRow = 0; // first scrollable row in view
    int leftColumn = 0;
    double width = 0; // the grid window
    double height = 0;
    bool border = true;
    bool gridLines = true;
    std::function<QString(int row, int column)> cellText;
};

// advance answers false when the user stopped the printing; the grid then ends where it is.
struct PrintProgress {
    std::function<void(int maximum)> start;
    std::function<bool(int value)> advance;
};

// Prints the cells visible in the grid window at their places, column by column, with the
// border and the grid lines, onto a painter whose units are twips. pixelTwips is the size of
// one printer pixel in twips (at least 1). Cells scrolled out of view, and columns or rows that
// would not be fully visible, are not printed; fixed rows always are. The progress runs up to
// rows x columns + 1, one step for each cell looked at.
// Returns the last printed row and column (the grid's current cell afterwards).
std::pair<int, int> PrintGrid(QPainter& painter, const GridDisplay& grid, int pixelTwipsX,
                              int pixelTwipsY, const PrintProgress& progress);
