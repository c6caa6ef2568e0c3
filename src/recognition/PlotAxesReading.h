#pragma once

#include "drawing/VectorDrawing.h"
#include "recognition/AxesCalibration.h"

#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>

class LabelOcr;

// What Auto Scale read of one axis: the line, the ticks found on it, those whose label was
// read (as positions along the line and values), and the fit of them or why there is none.
struct AxisReading {
    std::optional<QLineF> line;
    int ticksFound = 0;
    std::vector<AxisTick> ticks; // the labelled ones, their values times the factor
    double factor = 1;           // written once for the axis ("×10^3"), 1 for none
    bool unreadNote = false;     // something stands where a factor goes, not read as one
    std::optional<AxisTickFit> fit;
    QString refusal;

    // A labelled tick's place in the picture.
    QPointF PixelOf(const AxisTick& tick) const;
};

struct PlotAxesReading {
    AxisReading x;
    AxisReading y;
    // The labels came from the page's own text, not from OCR of its pixels.
    bool fromDrawing = false;
    std::optional<ProposedCalibration> proposal;
    // Why nothing is proposed, in the user's words; empty with a proposal.
    QString refusal;
    // What the user should check before taking the proposal, in the user's words.
    QStringList warnings;
    // The box the axis lines enclose, empty when they were not both found.
    QRectF plotArea;
};

// Finds the plot's axes, reads their labels and proposes a calibration from every labelled tick
// that agrees. A page's drawing with texts is read from its texts; otherwise (or when that finds
// no axes) the pixels are, with OCR. Nothing is proposed unless both axes fit: fewer than
// FewestAgreeingTicks agreeing ticks, or a worst residual past AgreeingTickPixels, is refused.
PlotAxesReading ReadPlotAxes(const QImage& picture, const VectorDrawing* drawing, LabelOcr& ocr);

// The box the plot's axis lines enclose (from the page's drawing when it has them), for finding
// its curves; empty when the axes are not both found.
QRectF FindPlotArea(const QImage& picture, const VectorDrawing* drawing);
