#include "extraction/AutoReadScan.h"

AutoReadScan::AutoReadScan(const DrawnPicture& picture, const EdgeValues& edges, int cols, int rows)
    : m_picture(picture), m_coordinates(edges, picture.Size()), m_axes(AxesFor(edges, cols, rows)) {
    const QSize size = picture.Size();
    // A column depends on x alone and a row on y alone; the surface reads single precision.
    m_pixelColumns.reserve(m_axes.columns.size());
    for (const double x : m_axes.columns) {
        const int column = picture.PixelAt(static_cast<float>(x), 0).x();
        m_pixelColumns.push_back(column >= 0 && column < size.width() ? column : -1);
    }
    m_pixelRows.reserve(m_axes.rows.size());
    for (const double y : m_axes.rows) {
        const int row = picture.PixelAt(0, static_cast<float>(y)).y();
        m_pixelRows.push_back(row >= 0 && row < size.height() ? row : -1);
    }
}
