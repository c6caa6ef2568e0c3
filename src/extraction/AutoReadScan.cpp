#include "extraction/AutoReadScan.h"

AutoReadScan::AutoReadScan(const DrawnPicture& picture, const EdgeValues& edges, int cols, int rows)
    : AutoReadScan(picture, UserCoordinates(edges, picture.Size()), picture.Coordinates(), cols,
                   rows) {}

AutoReadScan::AutoReadScan(const DrawnPicture& picture, const UserCoordinates& grid, int cols,
                           int rows)
    : AutoReadScan(picture, grid, grid, cols, rows) {}

AutoReadScan::AutoReadScan(const DrawnPicture& picture, const UserCoordinates& grid,
                           const UserCoordinates& pixels, int cols, int rows)
    : m_picture(picture), m_coordinates(grid), m_axes(AxesFor(grid.Edges(), cols, rows)) {
    const QSize size = picture.Size();
    // A column depends on x alone and a row on y alone; the surface reads single precision.
    m_pixelColumns.reserve(m_axes.columns.size());
    for (const double x : m_axes.columns) {
        const int column = DrawnPicture::PixelIn(pixels, static_cast<float>(x), 0).x();
        m_pixelColumns.push_back(column >= 0 && column < size.width() ? column : -1);
    }
    m_pixelRows.reserve(m_axes.rows.size());
    for (const double y : m_axes.rows) {
        const int row = DrawnPicture::PixelIn(pixels, 0, static_cast<float>(y)).y();
        m_pixelRows.push_back(row >= 0 && row < size.height() ? row : -1);
    }
}
