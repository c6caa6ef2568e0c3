#include "decoding/VectorRecorder.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QTextItem>

#include <cmath>
#include <optional>

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine(QSizeF pageSize, bool keepTexts)
        : QPaintEngine(QPaintEngine::AllFeatures), m_keepTexts(keepTexts) {
        m_drawing.size = pageSize;
    }

    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    // The clip's box and the transform are worked out once per change of the painter's state,
    // not once per path: a page draws many paths between changes.
    void updateState(const QPaintEngineState& state) override {
        const QPaintEngine::DirtyFlags changed = state.state();
        if ((changed & (DirtyTransform | DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) !=
            0) {
            m_clip.reset();
            m_transform.reset();
        }
    }

    void drawPath(const QPainterPath& path) override { Keep(path, Stroking(), HasBrush(), false); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        if (count <= 0) {
            return;
        }
        path.moveTo(points[0]);
        for (int at = 1; at < count; ++at) {
            path.lineTo(points[at]);
        }
        const bool polyline = mode == PolylineMode;
        if (!polyline) {
            path.closeSubpath();
        }
        Keep(path, Stroking(), !polyline && HasBrush(), !polyline);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        std::vector<QPointF> real(points, points + std::max(count, 0));
        drawPolygon(real.data(), count, mode);
    }
    void drawLines(const QLineF* lines, int count) override {
        QPainterPath path;
        for (int at = 0; at < count; ++at) {
            path.moveTo(lines[at].p1());
            path.lineTo(lines[at].p2());
        }
        Keep(path, Stroking(), false, false);
    }
    void drawLines(const QLine* lines, int count) override {
        for (int at = 0; at < count; ++at) {
            const QLineF line(lines[at]);
            drawLines(&line, 1);
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int at = 0; at < count; ++at) {
            QPainterPath path;
            path.addRect(rects[at]);
            Keep(path, Stroking(), HasBrush(), true);
        }
    }
    void drawRects(const QRect* rects, int count) override {
        for (int at = 0; at < count; ++at) {
            const QRectF rect(rects[at]);
            drawRects(&rect, 1);
        }
    }
    void drawEllipse(const QRectF& rect) override {
        QPainterPath path;
        path.addEllipse(rect);
        Keep(path, Stroking(), HasBrush(), true);
    }
    void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
    void drawPoints(const QPointF* points, int count) override {
        for (int at = 0; at < count; ++at) {
            QPainterPath path;
            path.moveTo(points[at]);
            path.lineTo(points[at]);
            Keep(path, true, false, true);
        }
    }
    void drawPoints(const QPoint* points, int count) override {
        for (int at = 0; at < count; ++at) {
            const QPointF point(points[at]);
            drawPoints(&point, 1);
        }
    }
    void drawTextItem(const QPointF& origin, const QTextItem& item) override {
        if (!m_keepTexts || Full()) {
            return;
        }
        if (m_drawing.texts.size() >= MostDrawingTexts ||
            m_textBytes + static_cast<std::size_t>(item.text().size()) * 3 > MostDrawingTextBytes) {
            Drop(QStringLiteral("it has more texts than a drawing may keep"));
            return;
        }
        const QRectF box(origin.x(), origin.y() - item.ascent(), item.width(),
                         item.ascent() + item.descent());
        const QRectF shown = Transform().mapRect(box).translated(-0.5, -0.5);
        m_textBytes += static_cast<std::size_t>(item.text().size()) * 3;
        m_drawing.texts.push_back({item.text(), shown});
    }
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawImage(const QRectF& /*r*/, const QImage& /*pm*/, const QRectF& /*sr*/,
                   Qt::ImageConversionFlags /*flags*/) override {}
    void drawTiledPixmap(const QRectF& /*r*/, const QPixmap& /*pixmap*/,
                         const QPointF& /*s*/) override {}

    VectorDrawing Take() { return std::move(m_drawing); }

    // Texts taken from elsewhere (a PDF's own text list) join the drawing under its bounds.
    void KeepText(const QString& text, const QRectF& box) {
        if (Full()) {
            return;
        }
        if (m_drawing.texts.size() >= MostDrawingTexts ||
            m_textBytes + static_cast<std::size_t>(text.size()) * 3 > MostDrawingTextBytes) {
            Drop(QStringLiteral("it has more texts than a drawing may keep"));
            return;
        }
        m_textBytes += static_cast<std::size_t>(text.size()) * 3;
        m_drawing.texts.push_back({text, box});
    }

private:
    bool Stroking() const { return painter()->pen().style() != Qt::NoPen; }
    bool HasBrush() const { return painter()->brush().style() != Qt::NoBrush; }
    const QTransform& Transform() {
        if (!m_transform) {
            m_transform = painter()->combinedTransform();
        }
        return *m_transform;
    }
    bool Full() const { return !m_drawing.dropped.isEmpty(); }

    void Drop(const QString& reason) {
        m_drawing.paths.clear();
        m_drawing.paths.shrink_to_fit();
        m_drawing.texts.clear();
        m_drawing.texts.shrink_to_fit();
        m_drawing.dropped = reason;
    }

    // The clip's box on the device, or an empty box when nothing clips; nothing when the clip
    // hides everything.
    std::optional<QRectF> ClipBox() {
        if (!m_clip) {
            if (!painter()->hasClipping()) {
                m_clip = QRectF();
            } else {
                const QRectF box =
                    Transform().mapRect(painter()->clipBoundingRect()).translated(-0.5, -0.5);
                m_clip = box.isEmpty() ? QRectF(0, 0, -1, -1) : box;
            }
        }
        // A box of negative size stands for a clip that hides everything.
        if (m_clip->width() < 0) {
            return std::nullopt;
        }
        return *m_clip;
    }

    void Keep(const QPainterPath& path, bool stroked, bool filled, bool closed) {
        if (Full() || (!stroked && !filled) || path.isEmpty()) {
            return;
        }
        // What a clip hides altogether is not seen, so not kept.
        const std::optional<QRectF> clip = ClipBox();
        if (!clip) {
            return;
        }
        if (m_drawing.paths.size() >= MostDrawingPaths) {
            Drop(QStringLiteral("it has more than %1 paths").arg(MostDrawingPaths));
            return;
        }
        const QTransform& transform = Transform();
        DrawnPath kept;
        const QPen pen = painter()->pen();
        kept.stroked = stroked;
        kept.filled = filled;
        kept.strokeColor = stroked ? pen.color().rgba() : 0;
        kept.fillColor = filled ? painter()->brush().color().rgba() : 0;
        const double scale = std::sqrt(std::fabs(transform.determinant()));
        kept.strokeWidth = stroked ? (pen.isCosmetic() ? pen.widthF() : pen.widthF() * scale) : 0;
        kept.dashKey = stroked ? DashKey(pen) : 0;
        kept.clip = *clip;
        bool everyPieceClosed = true;
        std::size_t pieceStart = 0;
        const auto endPiece = [&] {
            const std::size_t size = kept.points.size();
            if (size > pieceStart &&
                !(size - pieceStart > 1 && kept.points[pieceStart] == kept.points[size - 1])) {
                everyPieceClosed = false;
            }
        };
        for (int at = 0; at < path.elementCount(); ++at) {
            const QPainterPath::Element element = path.elementAt(at);
            if (element.type == QPainterPath::CurveToElement ||
                (element.type == QPainterPath::CurveToDataElement &&
                 (at + 1 < path.elementCount() &&
                  path.elementAt(at + 1).type == QPainterPath::CurveToDataElement))) {
                continue; // control points
            }
            if (m_points >= MostDrawingPoints) {
                Drop(QStringLiteral("it has more than %1 points").arg(MostDrawingPoints));
                return;
            }
            const QPointF point = transform.map(QPointF(element.x, element.y)) - QPointF(0.5, 0.5);
            if (element.type == QPainterPath::MoveToElement) {
                if (!kept.points.empty()) {
                    endPiece();
                }
                pieceStart = kept.points.size();
                kept.pieceStarts.push_back(static_cast<std::uint32_t>(pieceStart));
            } else if (kept.pieceStarts.empty()) {
                kept.pieceStarts.push_back(0);
            }
            kept.points.push_back(point);
            ++m_points;
        }
        endPiece();
        kept.closed = closed || everyPieceClosed;
        if (!kept.points.empty()) {
            m_drawing.paths.push_back(std::move(kept));
        }
    }

    static std::uint32_t DashKey(const QPen& pen) {
        if (pen.style() == Qt::SolidLine) {
            return 0;
        }
        std::uint32_t key = 2166136261u;
        const auto mix = [&key](double value) {
            key = (key ^ static_cast<std::uint32_t>(std::llround(value * 1000))) * 16777619u;
        };
        mix(static_cast<double>(pen.style()));
        for (const qreal dash : pen.dashPattern()) {
            mix(dash);
        }
        mix(pen.dashOffset());
        return key == 0 ? 1 : key;
    }

    VectorDrawing m_drawing;
    std::optional<QRectF> m_clip;
    std::optional<QTransform> m_transform;
    bool m_keepTexts;
    std::size_t m_points = 0;
    std::size_t m_textBytes = 0;
};

VectorRecorder::VectorRecorder(QSize pixels, bool keepTexts)
    : m_pixels(pixels), m_engine(std::make_unique<RecordingEngine>(QSizeF(pixels), keepTexts)) {}

VectorRecorder::~VectorRecorder() = default;

QPaintEngine* VectorRecorder::paintEngine() const {
    return m_engine.get();
}

VectorDrawing VectorRecorder::Take() {
    return m_engine->Take();
}

void VectorRecorder::KeepText(const QString& text, const QRectF& box) {
    m_engine->KeepText(text, box);
}

int VectorRecorder::metric(PaintDeviceMetric metric) const {
    // Pages draw some glyphs at the size the device's resolution implies; the resolution of
    // Qt's own recording device keeps them at the size they have on paper.
    static const int dotsPerInch = QPicture().logicalDpiX();
    switch (metric) {
    case PdmWidth:
        return m_pixels.width();
    case PdmHeight:
        return m_pixels.height();
    case PdmWidthMM:
        return static_cast<int>(m_pixels.width() * 25.4 / dotsPerInch);
    case PdmHeightMM:
        return static_cast<int>(m_pixels.height() * 25.4 / dotsPerInch);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dotsPerInch;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}
