#pragma once

#include "core/PackedColor.h"
#include "picture/UserCoordinates.h"

#include <QImage>
#include <QPointF>
#include <QRect>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QPainter;

// The picture and the drawing over it (every dot and line drawn since the last erase),
// addressed in user coordinates. The drawing lives in square tiles that hold the picture's
// pixels with the drawing over them, made only where something is drawn: a large scan with a
// few hundred markers costs little more memory than the scan, and erasing drops the tiles.
class DrawnPicture {
public:
    static constexpr int TileSize = 32;
    // The drawing's tiles by number (row by row), null where nothing is drawn. Tiles are shared
    // with the copies taken for undo and copied before they are drawn on again, so a copy of
    // the drawing costs a pointer per tile.
    using Tile = std::shared_ptr<QRgb[]>;
    using Tiles = std::vector<Tile>;

    DrawnPicture();

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }
    // The picture with the drawing, as one image: the picture itself while nothing is drawn,
    // else a copy put together for the caller.
    QImage Drawn() const;
    // Paints the part `area` of the picture with the drawing at the same place.
    void Paint(QPainter& painter, const QRect& area) const;
    QSize Size() const { return m_picture.size(); }
    // The memory the drawing holds besides the picture (spare tiles included), in bytes.
    qsizetype DrawingBytes() const {
        return static_cast<qsizetype>(m_tileCount + m_spareTiles.size()) * TileSize * TileSize *
               static_cast<qsizetype>(sizeof(QRgb));
    }

    void SetScale(const EdgeValues& edges);
    // A map fitted to more reference points in place of the edges' frame.
    void SetFittedScale(const EdgeValues& edges, const QTransform& pixelToUser);
    const UserCoordinates& Coordinates() const { return m_coordinates; }

    // The pixel that holds a user position; positions a hair short of a pixel's edge (as
    // single-precision mouse positions are) count as that pixel.
    QPoint PixelAt(double x, double y) const { return PixelIn(m_coordinates, x, y); }
    // The same in another frame over a picture.
    static QPoint PixelIn(const UserCoordinates& coordinates, double x, double y);

    void Erase();
    // The drawing as it is kept: the tiles made so far, stacked top to bottom in one image
    // TileSize pixels wide, with the number of each tile (counted row by row) in `tiles`.
    QImage TileStrip(std::vector<int>& tiles) const;
    // Puts a drawing taken by TileStrip back over the same picture. False, changing nothing,
    // when the strip does not fit the numbers or a number is not a tile of this picture.
    bool SetTileStrip(const std::vector<int>& tiles, const QImage& strip);
    // The tiles as they are now, to be put back by RestoreTiles.
    const Tiles& SharedTiles() const { return m_tiles; }
    // Puts tiles taken by SharedTiles back at their numbers; numbers outside the picture's
    // tile grid are skipped.
    void RestoreTiles(const std::vector<std::pair<std::size_t, Tile>>& tiles);

    // A dot of the drawing width centred on the pixel of a user position; returns the area
    // it touched (empty when the position lies far outside).
    QRect Dot(double x, double y, PackedColor color);
    void Dots(const std::vector<QPointF>& positions, PackedColor color);
    QRect Line(double x1, double y1, double x2, double y2, PackedColor color);
    // Packed colour R + 256*G + 65536*B of the picture with the drawing, or -1 outside it.
    int Point(double x, double y) const;
    // Inline, as auto-read asks it for every position of its grid.
    int PixelColor(int column, int row) const {
        if (static_cast<unsigned>(column) >= static_cast<unsigned>(m_width) ||
            static_cast<unsigned>(row) >= static_cast<unsigned>(m_height)) {
            return -1;
        }
        const QRgb* tile = m_tiles[TileIndex(column, row)].get();
        const QRgb rgb =
            tile != nullptr
                ? tile[OffsetInTile(column, row)]
                : reinterpret_cast<const QRgb*>(m_pictureBits + row * m_pictureStride)[column];
        return Packed(rgb);
    }
    void SetPixelColor(int column, int row, PackedColor color);

    // One pixel column of the picture with the drawing, for reading many of its rows in turn
    // (auto-read goes down its grid column by column): the column's tiles are looked up once,
    // not at every pixel, which would cost a second trip to memory per pixel. Tiles made after
    // it (by drawing, never erased meanwhile) are seen after Refresh().
    class Column {
    public:
        Column(const DrawnPicture& picture, int column);
        void Refresh();
        // The packed colour of a row inside the picture.
        int PixelColor(int row) const {
            const QRgb* tile = m_tiles[static_cast<std::size_t>(row / TileSize)];
            const QRgb rgb = tile != nullptr ? tile[(row % TileSize) * TileSize + m_columnInTile]
                                             : *reinterpret_cast<const QRgb*>(
                                                   m_bits + static_cast<qsizetype>(row) * m_stride);
            return Packed(rgb);
        }

    private:
        void LookUpTiles();

        const DrawnPicture& m_picture;
        int m_column;
        int m_columnInTile;
        const uchar* m_bits;
        qsizetype m_stride;
        std::vector<const QRgb*> m_tiles; // one per tile row, null where nothing is drawn
        std::uint64_t m_tileVersion = 0;  // of the picture when they were looked up
    };

    int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int pixels);

private:
    static int Packed(QRgb rgb) {
        return static_cast<int>(((rgb & 0xffu) << 16) | (rgb & 0xff00u) | ((rgb >> 16) & 0xffu));
    }
    QRect DotArea(QPoint pixel) const;
    // A round dot of the drawing width, written straight into the tiles.
    void FillDot(QPoint pixel, QRgb color);
    std::size_t TileIndex(int column, int row) const {
        return static_cast<std::size_t>(row / TileSize * m_tilesAcross + column / TileSize);
    }
    static int OffsetInTile(int column, int row) {
        return (row % TileSize) * TileSize + column % TileSize;
    }
    // A pixel of the drawing to draw on; its tile is made from the picture when it is not there.
    QRgb& DrawnPixel(int column, int row);
    Tile NewTile();
    QRect TileRect(std::size_t index) const;

    QImage m_picture;
    const uchar* m_pictureBits = nullptr;
    qsizetype m_pictureStride = 0;
    Tiles m_tiles;
    // Tiles dropped by erasing, kept for the redrawing that follows it: new memory costs more
    // to touch than to copy into.
    Tiles m_spareTiles;
    // Counts every change of a tile's place in memory, for the columns that keep them.
    std::uint64_t m_tileVersion = 0;
    int m_width = 0; // of the picture, kept here for the per-pixel checks
    int m_height = 0;
    int m_tilesAcross = 0;
    std::size_t m_tileCount = 0;
    UserCoordinates m_coordinates;
    int m_drawWidth = 1;
};
