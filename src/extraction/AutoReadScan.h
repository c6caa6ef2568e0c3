#pragma once

#include "document/DrawnPicture.h"
#include "extraction/AutoReadGrid.h"

#include <QImage>

#include <cstdint>
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

    std::int64_t Positions() const {
        return static_cast<std::int64_t>(m_axes.columns.size()) *
               static_cast<std::int64_t>(m_axes.rows.size());
    }

    // Returns false when columnDone ended the scan early.
    template <typename Found, typename ColumnDone>
    bool Run(int dataColour, int tolerance, Found found, ColumnDone columnDone) const;

private:
    // R + 256 G + 65536 B of a pixel, or -1 for a position off the picture.
    static int Packed(QRgb rgb) {
        return static_cast<int>(((rgb & 0xffu) << 16) | (rgb & 0xff00u) | ((rgb >> 16) & 0xffu));
    }

    const DrawnPicture& m_picture;
    AutoReadAxes m_axes;
    std::vector<int> m_pixelColumns; // -1 off the picture
    std::vector<int> m_pixelRows;    // -1 off the picture
};

template <typename Found, typename ColumnDone>
bool AutoReadScan::Run(int dataColour, int tolerance, Found found, ColumnDone columnDone) const {
    const QImage& image = m_picture.Drawn();
    const std::int64_t low = static_cast<std::int64_t>(dataColour) - tolerance;
    const std::int64_t high = static_cast<std::int64_t>(dataColour) + tolerance;
    const bool offPictureMatches = -1 >= low && -1 <= high;
    std::int64_t done = 0;
    for (std::size_t i = 0; i < m_axes.columns.size(); ++i) {
        const int column = m_pixelColumns[i];
        // Drawing a marker may give the image new memory, so its address is taken anew after
        // every find.
        const uchar* bits = image.constBits();
        const qsizetype bytesPerLine = image.bytesPerLine();
        for (std::size_t j = 0; j < m_axes.rows.size(); ++j) {
            const int row = m_pixelRows[j];
            bool matches = offPictureMatches;
            if (column >= 0 && row >= 0) {
                const QRgb rgb = reinterpret_cast<const QRgb*>(bits + row * bytesPerLine)[column];
                const std::int64_t pixel = Packed(rgb);
                matches = pixel >= low && pixel <= high;
            }
            if (matches) {
                found(m_axes.columns[i], m_axes.rows[j]);
                bits = image.constBits();
            }
        }
        done += static_cast<std::int64_t>(m_axes.rows.size());
        if (!columnDone(done)) {
            return false;
        }
    }
    return true;
}
