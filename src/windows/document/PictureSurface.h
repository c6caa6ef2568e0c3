#pragma once

#include "session/SessionPicture.h"

#include <QLineF>
#include <QWidget>

#include <optional>
#include <vector>

// Mouse buttons and shift keys as the digitizing handlers see them.
namespace MouseButton {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
} // namespace MouseButton

// The picture surface Picture2: shows the drawn image at its own size, reports the mouse in
// user coordinates (single precision) and offers the drawing operations of the digitizing
// commands. Before any picture it shows a small placeholder.
class PictureSurface : public QWidget {
    Q_OBJECT
public:
    explicit PictureSurface(SessionPicture& picture, QWidget* parent = nullptr);

    // The session's picture this surface shows; drawing on it repaints the surface.
    SessionPicture& Shown() { return m_picture; }

    // A picture with its original bytes (kept for pictures that are saved in their own format).
    void SetPicture(const QImage& picture, PictureType type = PictureType::Bitmap,
                    const QByteArray& originalBytes = {},
                    SessionPicture::SharedVectors vectors = {}) {
        m_picture.SetPicture(picture, type, originalBytes, std::move(vectors));
    }
    void ClearPicture() { m_picture.ClearPicture(); }
    bool HasPicture() const { return m_picture.HasPicture(); }
    const QImage& Picture() const { return m_picture.Picture(); }
    PictureType Type() const { return m_picture.Type(); }
    const QByteArray& OriginalBytes() const { return m_picture.OriginalBytes(); }
    QImage DrawnImage() const { return m_picture.DrawnImage(); }
    // For drawing many pixels at once; the caller repaints afterwards.
    DrawnPicture& Drawing() { return m_picture.Drawing(); }

    void SetScale(const EdgeValues& edges) { m_picture.SetScale(edges); }
    const UserCoordinates& Coordinates() const { return m_picture.Coordinates(); }
    // The user position of a point on the widget, as the mouse reports it.
    QPointF UserPosition(QPointF widgetPosition) const;

    void Erase() { m_picture.Erase(); }
    // A dot in the picture's foreground colour, black.
    void PSet(double x, double y);
    void PSet(double x, double y, PackedColor color) { m_picture.Dot(x, y, color); }
    void PSetMany(const std::vector<QPointF>& positions, PackedColor color) {
        m_picture.Dots(positions, color);
    }
    void Line(double x1, double y1, double x2, double y2, PackedColor color) {
        m_picture.Line(x1, y1, x2, y2, color);
    }
    int Point(double x, double y) const { return m_picture.Point(x, y); }
    int PixelColor(int column, int row) const { return m_picture.PixelColor(column, row); }
    void SetPixelColor(int column, int row, PackedColor color) {
        m_picture.SetPixelColor(column, row, color);
    }

    int DrawWidth() const { return m_picture.DrawWidth(); }
    void SetDrawWidth(int pixels) { m_picture.SetDrawWidth(pixels); }

    // One of the custom mouse pointers, numbered from 1 (see PointerImages).
    void SetPointerIndex(int index);
    int PointerIndex() const { return m_pointerIndex; }

    QSize sizeHint() const override;

    // The calibration grid drawn over the picture (not into it), or none.
    struct GridStyle {
        PackedColor color;
        bool xLog = false;
        bool yLog = false;
    };
    void SetCalibrationGrid(std::optional<GridStyle> style);
    bool CalibrationGridShown() const { return m_grid.has_value(); }

    // A proposed calibration drawn over the picture until it is accepted or given up: the axis
    // lines found, the ticks whose labels the fit took and those it left out, and the
    // reference points it would set. Positions in picture pixels.
    struct ProposalMarks {
        std::vector<QLineF> axes;
        std::vector<QPointF> takenTicks;
        std::vector<QPointF> leftOutTicks;
        std::vector<QPointF> references;
    };
    void SetProposalMarks(std::optional<ProposalMarks> marks);
    const std::optional<ProposalMarks>& ShownProposal() const { return m_proposal; }

signals:
    void PictureChanged();
    // Buttons and shift are bit sets: 1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    // A button let go: the one button released.
    void MouseUp(int button);
    void FocusLost();
    // The surface was painted: what the screen shows of the picture may have changed.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ShowNewPicture();

    SessionPicture& m_picture;
    int m_pointerIndex = -1;
    std::optional<GridStyle> m_grid;
    std::optional<ProposalMarks> m_proposal;
};
