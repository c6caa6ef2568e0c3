#pragma once

#include "document/UserCoordinates.h"

#include <QImage>
#include <QWidget>

enum class PictureType { None, Bitmap, Metafile, Icon, EnhancedMetafile };

// The picture surface Picture2: the picture, and the drawn image (the picture plus every dot
// and line drawn since the last erase). It sizes itself to its picture and carries the user
// coordinate system in which positions are reported and markers drawn.
class PictureSurface : public QWidget {
    Q_OBJECT
public:
    explicit PictureSurface(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture, PictureType type = PictureType::Bitmap);
    void ClearPicture();
    bool HasPicture() const { return m_type != PictureType::None; }
    const QImage& Picture() const { return m_picture; }
    PictureType Type() const { return m_type; }
    const QImage& DrawnImage() const { return m_drawn; }

    void SetScale(const EdgeValues& edges);
    const UserCoordinates& Coordinates() const { return m_coordinates; }

    // Puts the bare picture back, removing every marker.
    void Erase();
    // A round dot of the drawing width at a user position, in the foreground colour or in a
    // packed colour R + 256*G + 65536*B.
    void PSet(double x, double y);
    void PSet(double x, double y, int packedColor);
    // The packed colour of the drawn image at a user position, or -1 outside the picture.
    int Point(double x, double y) const;

    int DrawWidth() const { return m_drawWidth; }
    void SetDrawWidth(int pixels);
    int ForeColor() const { return m_foreColor; }
    void SetForeColor(int packedColor) { m_foreColor = packedColor; }

    QSize sizeHint() const override;

signals:
    void PictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint PixelAt(double x, double y) const;
    void UpdateGeometry();

    QImage m_picture;
    QImage m_drawn;
    PictureType m_type = PictureType::None;
    UserCoordinates m_coordinates;
    int m_drawWidth = 1;
    int m_foreColor = 0;
};

QColor ColorFromPacked(int packedColor);
int PackedFromColor(QColor color);
