#pragma once

#include "extraction/AutoReadGrid.h"
#include "extraction/MarkCentre.h"
#include "picture/DrawnPicture.h"

#include <cstdint>
#include <optional>
#include <vector>

// Auto-read over a drawn picture at the speed of reading its pixels. The positions, their order
// and the colours read are those of SweepAutoReadGrid with DrawnPicture::Point on the
// single-precision position, as the picture surface reads them; but the pixel column of every x
// and the pixel row of every y are worked out once, so each position costs one pixel read and
// one comparison.
//
// found(x, y) is called for each position whose pixel is within the tolerance of the data
// colour; what it draws on the picture, the positions after it see. After each column of the
// grid, columnDone(positions so far) tells whether to go on.
class AutoReadScan {
public:
    AutoReadScan(const DrawnPicture& picture, const EdgeValues& edges, int cols, int rows);
    // The grid laid over the picture in a frame of its own (the edges' frame of a picture whose
    // calibration is a fitted map); found(x, y) gets positions in that frame.
    AutoReadScan(const DrawnPicture& picture, const UserCoordinates& grid, int cols, int rows);

    std::int64_t Positions() const {
        return static_cast<std::int64_t>(m_axes.columns.size()) *
               static_cast<std::int64_t>(m_axes.rows.size());
    }

    // Returns false when columnDone ended the scan early.
    template <typename Found, typename ColumnDone>
    bool Run(PackedColor dataColour, int tolerance, Found found, ColumnDone columnDone) const;
    // The centre-line reading: in the pixel column of each grid column, every run of the data
    // colour (see ColumnLineCentres) gives one position, at the column's x and the run's centre,
    // read in the picture without the drawing.
    template <typename Found, typename ColumnDone>
    bool RunCentreLines(PackedColor dataColour, int tolerance, Found found,
                        ColumnDone columnDone) const;

private:
    // The grid's positions in `grid`, their pixels found through `pixels`.
    AutoReadScan(const DrawnPicture& picture, const UserCoordinates& grid,
                 const UserCoordinates& pixels, int cols, int rows);

    const DrawnPicture& m_picture;
    UserCoordinates m_coordinates;
    AutoReadAxes m_axes;
    std::vector<int> m_pixelColumns; // -1 off the picture
    std::vector<int> m_pixelRows;    // -1 off the picture
};

template <typename Found, typename ColumnDone>
bool AutoReadScan::Run(PackedColor dataColour, int tolerance, Found found,
                       ColumnDone columnDone) const {
    // Compared as packed numbers, as the auto-read of every version has done.
    const std::int64_t low = static_cast<std::int64_t>(dataColour.Packed()) - tolerance;
    const std::int64_t high = static_cast<std::int64_t>(dataColour.Packed()) + tolerance;
    std::int64_t done = 0;
    for (std::size_t i = 0; i < m_axes.columns.size(); ++i) {
        const int column = m_pixelColumns[i];
        std::optional<DrawnPicture::Column> pixels;
        if (column >= 0) {
            pixels.emplace(m_picture, column);
        }
        for (std::size_t j = 0; j < m_axes.rows.size(); ++j) {
            // -1 off the picture, as the surface reads it there.
            const int row = m_pixelRows[j];
            const std::int64_t pixel = pixels && row >= 0 ? pixels->PixelColor(row) : -1;
            if (pixel >= low && pixel <= high) {
                found(m_axes.columns[i], m_axes.rows[j]);
                // A marker drawn here may have made new tiles in this column.
                if (pixels) {
                    pixels->Refresh();
                }
            }
        }
        done += static_cast<std::int64_t>(m_axes.rows.size());
        if (!columnDone(done)) {
            return false;
        }
    }
    return true;
}

template <typename Found, typename ColumnDone>
bool AutoReadScan::RunCentreLines(PackedColor dataColour, int tolerance, Found found,
                                  ColumnDone columnDone) const {
    std::int64_t done = 0;
    for (std::size_t i = 0; i < m_axes.columns.size(); ++i) {
        for (const double row :
             ColumnLineCentres(m_picture.Picture(), m_pixelColumns[i], dataColour, tolerance)) {
            found(m_axes.columns[i], m_coordinates.ToUser(QPointF(0, row)).y());
        }
        done += static_cast<std::int64_t>(m_axes.rows.size());
        if (!columnDone(done)) {
            return false;
        }
    }
    return true;
}
