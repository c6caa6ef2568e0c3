#include "recognition/RaisedExponent.h"

#include <algorithm>
#include <vector>

namespace {

// Darker than this is ink: at least half covered, so that the faint edges of neighbouring
// glyphs do not join them.
constexpr int InkLevel = 128;
// Glyphs of the base reach this share of the tallest one; raised ones are set smaller (about
// 0.7 of it, antialiasing adds a row).
constexpr double FullHeightShare = 0.8;
// An exponent's digits are at least this share of the base's height.
constexpr double SmallestExponentShare = 0.35;
// An exponent's glyphs end this share of the base's height above its baseline, or higher.
constexpr double RaisedShare = 0.3;

// The boxes of the connected pieces of ink.
std::vector<QRect> InkPieces(const QImage& grey) {
    const int width = grey.width();
    const int height = grey.height();
    std::vector<bool> seen(static_cast<std::size_t>(width) * height, false);
    const auto ink = [&](int x, int y) {
        return grey.constScanLine(y)[x] < InkLevel;
    };
    std::vector<QRect> pieces;
    std::vector<QPoint> stack;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (seen[static_cast<std::size_t>(y) * width + x] || !ink(x, y)) {
                continue;
            }
            QRect box(x, y, 1, 1);
            seen[static_cast<std::size_t>(y) * width + x] = true;
            stack.push_back({x, y});
            while (!stack.empty()) {
                const QPoint at = stack.back();
                stack.pop_back();
                box |= QRect(at, QSize(1, 1));
                // Side by side only: glyphs that touch at a corner stay apart.
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const int nx = at.x() + step.x();
                    const int ny = at.y() + step.y();
                    if (nx >= 0 && ny >= 0 && nx < width && ny < height &&
                        !seen[static_cast<std::size_t>(ny) * width + nx] && ink(nx, ny)) {
                        seen[static_cast<std::size_t>(ny) * width + nx] = true;
                        stack.push_back({nx, ny});
                    }
                }
            }
            pieces.push_back(box);
        }
    }
    return pieces;
}

} // namespace

std::optional<RaisedParts> FindRaisedExponent(const QImage& label) {
    const QImage grey = label.convertToFormat(QImage::Format_Grayscale8);
    const std::vector<QRect> pieces = InkPieces(grey);
    int tallest = 0;
    for (const QRect& piece : pieces) {
        tallest = std::max(tallest, piece.height());
    }
    if (tallest < 4) {
        return std::nullopt;
    }
    int baseline = 0;
    int lastFullRight = -1;
    for (const QRect& piece : pieces) {
        if (piece.height() >= FullHeightShare * tallest) {
            baseline = std::max(baseline, piece.bottom());
            lastFullRight = std::max(lastFullRight, piece.right());
        }
    }
    RaisedParts parts;
    std::vector<QRect> raised;
    for (const QRect& piece : pieces) {
        // A raised glyph may reach back over the last one a little (a 2 over a 0).
        const bool high = piece.left() >= lastFullRight - std::max(1, tallest / 4) &&
                          piece.height() < FullHeightShare * tallest &&
                          piece.bottom() <= baseline - RaisedShare * tallest;
        if (high) {
            raised.push_back(piece);
        } else {
            parts.base |= piece;
        }
    }
    std::sort(raised.begin(), raised.end(),
              [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
    // Thin strokes fall apart at the ink level: pieces above one another are one glyph.
    std::vector<QRect> glyphs;
    for (const QRect& piece : raised) {
        if (!glyphs.empty()) {
            QRect& last = glyphs.back();
            const int overlap =
                std::min(last.right(), piece.right()) - std::max(last.left(), piece.left()) + 1;
            if (2 * overlap >= std::min(last.width(), piece.width())) {
                last |= piece;
                continue;
            }
        }
        glyphs.push_back(piece);
    }
    // Specks (a stroke of the last digit, noise) are no exponent; a flat one may be its minus.
    raised.clear();
    for (const QRect& glyph : glyphs) {
        const bool flat = glyph.width() >= 2 * glyph.height() && glyph.width() >= tallest / 5;
        if (glyph.height() >= SmallestExponentShare * tallest || flat) {
            raised.push_back(glyph);
        } else {
            parts.base |= glyph;
        }
    }
    if (raised.size() == 1 && raised.front().width() >= 2 * raised.front().height()) {
        return std::nullopt; // a lone dash up there is no number
    }
    // A flat first glyph is the exponent's minus; OCR would blow it up to a block.
    if (raised.size() > 1 && raised.front().width() >= 2 * raised.front().height()) {
        parts.negative = true;
        raised.erase(raised.begin());
    }
    for (const QRect& piece : raised) {
        parts.exponent |= piece;
    }
    if (parts.exponent.isEmpty() || parts.base.isEmpty()) {
        return std::nullopt;
    }
    return parts;
}
