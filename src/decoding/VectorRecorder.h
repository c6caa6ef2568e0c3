#pragma once

#include "drawing/VectorDrawing.h"

#include <QPaintDevice>

#include <memory>

class RecordingEngine;

// A paint device that keeps what is drawn on it as a VectorDrawing instead of pixels: every
// path, polygon, line, rectangle and ellipse with the painter's transform, pen, brush and clip.
// Positions come out in the program's pixel convention (the device's point (0.5, 0.5) is the
// centre of pixel (0, 0), which the program calls (0, 0)). Drawn texts are kept as texts when
// asked for; pictures drawn on it are ignored. Past the drawing's bounds it stops keeping and
// says why in the drawing's dropped reason.
class VectorRecorder : public QPaintDevice {
public:
    VectorRecorder(QSize pixels, bool keepTexts);
    ~VectorRecorder() override;

    QPaintEngine* paintEngine() const override;
    // The recording so far; Take() hands it over.
    VectorDrawing Take();
    // Adds a text found outside the drawing commands (a PDF's own text list).
    void KeepText(const QString& text, const QRectF& box);

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_pixels;
    std::unique_ptr<RecordingEngine> m_engine;
};
