#include "picture/DrawnPicture.h"

#include "picture/OpaquePicture.h"

#include <QPainter>

#include <QPen>
#include <algorithm>
#include <cmath>

namespace {
// Mouse positions arrive in single precision; this much short of a pixel edge is that pixel.
constexpr double PixelEdgeTolerance = 1e-3;
constexpr double FarOutside = 1e8;

} // namespace

DrawnPicture::DrawnPicture() {
    SetPicture(QImage(1, 1, QImage::Format_RGB32));
}

void DrawnPicture::SetPicture(const QImage& picture) {
    m_picture = OpaqueOnWhite(picture);
    m_pictureBits = m_picture.constBits();
    m_pictureStride = m_picture.bytesPerLine();
    m_width = m_picture.width();
    m_height = m_picture.height();
    m_tilesAcross = (m_picture.width() + TileSize - 1) / TileSize;
    const int tilesDown = (m_picture.height() + TileSize - 1) / TileSize;
    m_tiles.clear();
    m_spareTiles.clear();
    m_tiles.resize(static_cast<std::size_t>(m_tilesAcross) * static_cast<std::size_t>(tilesDown));
    m_tileCount = 0;
    ++m_tileVersion;
    m_coordinates =
        m_coordinates.Fitted()
            ? UserCoordinates(m_coordinates.Edges(), m_picture.size(), *m_coordinates.Fitted())
            : UserCoordinates(m_coordinates.Edges(), m_picture.size());
}

DrawnPicture::Column::Column(const DrawnPicture& picture, int column)
    : m_picture(picture), m_column(column), m_columnInTile(column % TileSize),
      m_bits(picture.m_pictureBits + static_cast<qsizetype>(column) * 4),
      m_stride(picture.m_pictureStride) {
    Q_ASSERT(column >= 0 && column < picture.m_width);
    LookUpTiles();
}

void DrawnPicture::Column::Refresh() {
    if (m_picture.m_tileVersion != m_tileVersion) {
        LookUpTiles();
    }
}

void DrawnPicture::Column::LookUpTiles() {
    m_tileVersion = m_picture.m_tileVersion;
    const int tilesDown = (m_picture.m_height + TileSize - 1) / TileSize;
    m_tiles.resize(static_cast<std::size_t>(tilesDown));
    for (int down = 0; down < tilesDown; ++down) {
        m_tiles[static_cast<std::size_t>(down)] =
            m_picture.m_tiles[m_picture.TileIndex(m_column, down * TileSize)].get();
    }
}

void DrawnPicture::SetScale(const EdgeValues& edges) {
    m_coordinates = UserCoordinates(edges, m_picture.size());
}

void DrawnPicture::SetFittedScale(const EdgeValues& edges, const QTransform& pixelToUser) {
    m_coordinates = UserCoordinates(edges, m_picture.size(), pixelToUser);
}

QPoint DrawnPicture::PixelIn(const UserCoordinates& coordinates, double x, double y) {
    const QPointF pixel = coordinates.ToPixel({x, y});
    const auto toIndex = [](double p) {
        if (!std::isfinite(p)) {
            return static_cast<int>(-FarOutside);
        }
        return static_cast<int>(
            std::floor(std::clamp(p + PixelEdgeTolerance, -FarOutside, FarOutside)));
    };
    return {toIndex(pixel.x()), toIndex(pixel.y())};
}

QRect DrawnPicture::TileRect(std::size_t index) const {
    const int tileX = static_cast<int>(index % static_cast<std::size_t>(m_tilesAcross));
    const int tileY = static_cast<int>(index / static_cast<std::size_t>(m_tilesAcross));
    return QRect(tileX * TileSize, tileY * TileSize, TileSize, TileSize)
        .intersected(m_picture.rect());
}

QRgb& DrawnPicture::DrawnPixel(int column, int row) {
    const std::size_t index = TileIndex(column, row);
    Tile& tile = m_tiles[index];
    if (tile && tile.use_count() > 1) {
        // Shared with a copy kept for undo: drawn on, it becomes this drawing's own.
        Tile own = NewTile();
        std::copy_n(tile.get(), TileSize * TileSize, own.get());
        tile = std::move(own);
        ++m_tileVersion;
    } else if (!tile) {
        tile = NewTile();
        const QRect area = TileRect(index);
        if (area.width() < TileSize || area.height() < TileSize) {
            // The part past the picture's edge is never drawn on; kept blank, equal tiles
            // compare equal whole.
            std::fill_n(tile.get(), TileSize * TileSize, QRgb{0});
        }
        for (int y = 0; y < area.height(); ++y) {
            const auto* from =
                reinterpret_cast<const QRgb*>(m_pictureBits + (area.top() + y) * m_pictureStride) +
                area.left();
            std::copy(from, from + area.width(), tile.get() + y * TileSize);
        }
        ++m_tileCount;
        ++m_tileVersion;
    }
    return tile[OffsetInTile(column, row)];
}

void DrawnPicture::Erase() {
    // Dropping the tiles puts the picture back wherever something was drawn.
    for (Tile& tile : m_tiles) {
        if (tile && tile.use_count() == 1) {
            m_spareTiles.push_back(std::move(tile));
        }
        tile.reset();
    }
    m_tileCount = 0;
    ++m_tileVersion;
}

QImage DrawnPicture::TileStrip(std::vector<int>& tiles) const {
    tiles.clear();
    for (std::size_t index = 0; index < m_tiles.size(); ++index) {
        if (m_tiles[index]) {
            tiles.push_back(static_cast<int>(index));
        }
    }
    QImage strip(TileSize, TileSize * static_cast<int>(tiles.size()), QImage::Format_RGB32);
    for (std::size_t at = 0; at < tiles.size(); ++at) {
        std::copy_n(m_tiles[static_cast<std::size_t>(tiles[at])].get(), TileSize * TileSize,
                    reinterpret_cast<QRgb*>(strip.scanLine(static_cast<int>(at) * TileSize)));
    }
    return strip;
}

bool DrawnPicture::SetTileStrip(const std::vector<int>& tiles, const QImage& strip) {
    const bool fits = strip.width() == TileSize &&
                      strip.height() == TileSize * static_cast<qint64>(tiles.size()) &&
                      std::all_of(tiles.begin(), tiles.end(), [this](int index) {
                          return index >= 0 && static_cast<std::size_t>(index) < m_tiles.size();
                      });
    if (!fits) {
        return false;
    }
    Erase();
    const QImage pixels = strip.convertToFormat(QImage::Format_RGB32);
    for (std::size_t at = 0; at < tiles.size(); ++at) {
        Tile& tile = m_tiles[static_cast<std::size_t>(tiles[at])];
        if (!tile) {
            tile = NewTile();
            ++m_tileCount;
        }
        const auto* from =
            reinterpret_cast<const QRgb*>(pixels.constScanLine(static_cast<int>(at) * TileSize));
        std::copy_n(from, TileSize * TileSize, tile.get());
    }
    ++m_tileVersion;
    return true;
}

DrawnPicture::Tile DrawnPicture::NewTile() {
    if (m_spareTiles.empty()) {
        return Tile(new QRgb[TileSize * TileSize]);
    }
    Tile tile = std::move(m_spareTiles.back());
    m_spareTiles.pop_back();
    return tile;
}

void DrawnPicture::RestoreTiles(const std::vector<std::pair<std::size_t, Tile>>& tiles) {
    for (const auto& [index, tile] : tiles) {
        if (index >= m_tiles.size()) {
            continue;
        }
        Tile& place = m_tiles[index];
        m_tileCount += (tile ? 1 : 0) - (place ? 1 : 0);
        place = tile;
    }
    ++m_tileVersion;
}

QImage DrawnPicture::Drawn() const {
    if (m_tileCount == 0) {
        return m_picture;
    }
    QImage drawn = m_picture.copy();
    QPainter painter(&drawn);
    Paint(painter, drawn.rect());
    return drawn;
}

void DrawnPicture::Paint(QPainter& painter, const QRect& area) const {
    const QRect inside = area.intersected(m_picture.rect());
    painter.drawImage(inside.topLeft(), m_picture, inside);
    if (m_tileCount == 0 || inside.isEmpty()) {
        return;
    }
    const int firstX = inside.left() / TileSize;
    const int lastX = inside.right() / TileSize;
    for (int tileY = inside.top() / TileSize; tileY <= inside.bottom() / TileSize; ++tileY) {
        for (int tileX = firstX; tileX <= lastX; ++tileX) {
            const auto index = static_cast<std::size_t>(tileY * m_tilesAcross + tileX);
            if (const QRgb* tile = m_tiles[index].get()) {
                const QRect tileArea = TileRect(index);
                const QImage image(reinterpret_cast<const uchar*>(tile), TileSize, TileSize,
                                   TileSize * static_cast<qsizetype>(sizeof(QRgb)),
                                   QImage::Format_RGB32);
                const QRect part = tileArea.intersected(inside);
                painter.drawImage(part.topLeft(), image, part.translated(-tileArea.topLeft()));
            }
        }
    }
}

QRect DrawnPicture::DotArea(QPoint pixel) const {
    const int before = (m_drawWidth - 1) / 2;
    return QRect(pixel.x() - before, pixel.y() - before, m_drawWidth, m_drawWidth);
}

void DrawnPicture::FillDot(QPoint pixel, QRgb color) {
    const QRect area = DotArea(pixel);
    const int radiusSquared4 = m_drawWidth * m_drawWidth; // (width / 2)^2, times 4
    for (int row = std::max(area.top(), 0); row <= std::min(area.bottom(), m_picture.height() - 1);
         ++row) {
        // Twice the distance from the dot's centre, so that the arithmetic stays whole.
        const int dy2 = 2 * (row - area.top()) + 1 - m_drawWidth;
        for (int column = std::max(area.left(), 0);
             column <= std::min(area.right(), m_picture.width() - 1); ++column) {
            const int dx2 = 2 * (column - area.left()) + 1 - m_drawWidth;
            if (dx2 * dx2 + dy2 * dy2 <= radiusSquared4 + 1) {
                DrawnPixel(column, row) = color;
            }
        }
    }
}

QRect DrawnPicture::Dot(double x, double y, PackedColor color) {
    const QPoint pixel = PixelAt(x, y);
    const QRect area = DotArea(pixel);
    if (!area.intersects(m_picture.rect())) {
        return {};
    }
    FillDot(pixel, color.ToQRgb());
    return area;
}

void DrawnPicture::Dots(const std::vector<QPointF>& positions, PackedColor color) {
    const QRgb rgb = color.ToQRgb();
    for (const QPointF& position : positions) {
        const QPoint pixel = PixelAt(position.x(), position.y());
        if (DotArea(pixel).intersects(m_picture.rect())) {
            FillDot(pixel, rgb);
        }
    }
}

QRect DrawnPicture::Line(double x1, double y1, double x2, double y2, PackedColor color) {
    const QPoint from = PixelAt(x1, y1);
    const QPoint to = PixelAt(x2, y2);
    const QRect area =
        QRect(from, to).normalized().adjusted(-m_drawWidth, -m_drawWidth, m_drawWidth, m_drawWidth);
    if (!area.intersects(m_picture.rect())) {
        return {};
    }
    // The line is painted once on a copy of the part it covers, as it would be on one whole
    // image, and the pixels it changed go into the tiles: painted tile by tile, its steps would
    // start anew at every tile's edge.
    // With room around the pen: Qt draws a wide line that comes near the image's edge another
    // way, which rounds its edges differently.
    constexpr int Room = 32;
    const QRect inside = area.adjusted(-Room, -Room, Room, Room).intersected(m_picture.rect());
    QImage before(inside.size(), QImage::Format_RGB32);
    {
        QPainter painter(&before);
        painter.translate(-inside.topLeft());
        Paint(painter, inside);
    }
    QImage after = before.copy();
    {
        QPainter painter(&after);
        painter.setPen(QPen(color.ToQColor(), m_drawWidth <= 1 ? 0 : m_drawWidth));
        painter.drawLine(from - inside.topLeft(), to - inside.topLeft());
    }
    for (int y = 0; y < inside.height(); ++y) {
        const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(y));
        const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
        for (int x = 0; x < inside.width(); ++x) {
            if (now[x] != was[x]) {
                const int column = inside.left() + x;
                const int row = inside.top() + y;
                DrawnPixel(column, row) = now[x];
            }
        }
    }
    return area.intersected(m_picture.rect());
}

int DrawnPicture::Point(double x, double y) const {
    const QPoint pixel = PixelAt(x, y);
    return PixelColor(pixel.x(), pixel.y());
}

void DrawnPicture::SetPixelColor(int column, int row, PackedColor color) {
    if (!m_picture.rect().contains(column, row)) {
        return;
    }
    DrawnPixel(column, row) = color.ToQRgb();
}

void DrawnPicture::SetDrawWidth(int pixels) {
    m_drawWidth = std::max(1, pixels);
}
