#include "batch/BatchReader.h"

#include "core/AppError.h"
#include "decoding/DecoderProcess.h"
#include "drawing/CurveReading.h"
#include "extraction/MarkCentre.h"
#include "project/ProjectState.h"
#include "recognition/CurveFinding.h"
#include "recognition/PlotAxesReading.h"
#include "session/AutoRead.h"
#include "session/CurveExport.h"
#include "session/FoundCurves.h"
#include "session/ProposedScale.h"
#include "session/Session.h"

#include <cmath>

namespace {

AxisSummary SummaryOf(const AxisReading& axis) {
    return {axis.fit->logarithmic, axis.fit->usedCount, axis.fit->worstUsedResidual, axis.factor};
}

double Nearest(QPointF point, const std::vector<QPointF>& among) {
    double nearest = 1e300;
    for (const QPointF& other : among) {
        nearest = std::min(nearest, std::hypot(point.x() - other.x(), point.y() - other.y()));
    }
    return nearest;
}

// The series as the page's drawing has it, when a click on the points found reads a series of
// the drawing that lies on them: exact values instead of pixel centres.
std::optional<std::vector<QPointF>> ExactSeries(const VectorDrawing& drawing,
                                                const FoundCurve& curve) {
    // Within this many pixels a drawn point lies on the series found.
    constexpr double OnSeries = 2.5;
    const std::size_t count = curve.points.size();
    for (const double share : {0.5, 0.25, 0.75, 0.1, 0.9}) {
        const QPointF click = curve.points[static_cast<std::size_t>(share * (count - 1))];
        const std::optional<CurveReading> reading = ReadCurveAt(drawing, click, SnapRadius);
        if (!reading || reading->positions.empty() ||
            (reading->kind == CurveReading::Kind::Markers) != curve.markers) {
            continue;
        }
        std::size_t on = 0;
        for (const QPointF& position : reading->positions) {
            on += Nearest(position, curve.points) <= OnSeries ? 1 : 0;
        }
        if (on * 10 >= reading->positions.size() * 9) {
            return reading->positions;
        }
    }
    return std::nullopt;
}

void ReadAutomatically(UnitResult& result, Session& session, const VectorDrawing* drawing,
                       LabelOcr& ocr) {
    const QImage& picture = session.Picture().Picture();
    const PlotAxesReading axes = ReadPlotAxes(picture, drawing, ocr);
    if (!axes.proposal) {
        result.reason = axes.refusal;
        return;
    }
    if (!ApplyProposedCalibration(session, *axes.proposal)) {
        result.reason = QStringLiteral("The reference points found cannot calibrate the picture.");
        return;
    }
    result.calibration = QStringLiteral("auto");
    result.x = SummaryOf(axes.x);
    result.y = SummaryOf(axes.y);
    result.warnings = axes.warnings;
    // The axes just read bound the plot: no need to look for them again.
    CurveFinding finding = FindCurves(
        picture, axes.plotArea.isEmpty() ? FindPlotArea(picture, drawing) : axes.plotArea);
    if (finding.curves.empty()) {
        result.reason = finding.refusal;
        return;
    }
    std::vector<bool> exact;
    for (FoundCurve& curve : finding.curves) {
        std::optional<std::vector<QPointF>> drawn;
        if (drawing && !curve.points.empty()) {
            drawn = ExactSeries(*drawing, curve);
        }
        if (drawn) {
            curve.points = std::move(*drawn);
        }
        exact.push_back(drawn.has_value());
    }
    AddFoundCurves(session, finding);
    for (int index = 0; index < session.CurveCount(); ++index) {
        const std::size_t at = static_cast<std::size_t>(index);
        result.curves.push_back({session.CurveAt(index).name,
                                 session.CurveAt(index).table->PointCount(),
                                 at < finding.curves.size() && finding.curves[at].markers,
                                 at < exact.size() && exact[at]});
    }
    result.read = true;
}

void ReadWithProject(UnitResult& result, Session& session, const Project& project,
                     const LoadedPicture& loaded, const std::atomic<bool>& stop) {
    // The project's calibration, options and curves, on this picture; its points stay behind.
    Project applied = project;
    applied.pictureType = loaded.type;
    applied.metafileBytes = loaded.originalBytes;
    applied.vectors = loaded.drawing;
    applied.drawnTiles.clear();
    applied.drawnStrip = QImage();
    for (ProjectCurve& curve : applied.curves) {
        curve.rows.resize(1);
    }
    ApplyProject(session, applied, loaded.image);
    result.calibration = QStringLiteral("project");
    for (int index = 0; index < session.CurveCount(); ++index) {
        session.SetCurrentCurve(index);
        const AutoReadOutcome outcome =
            AutoReadInto(session, [&](std::int64_t) { return !stop.load(); });
        if (outcome.stopped) {
            result.reason = QStringLiteral("The run was stopped.");
            return;
        }
        result.curves.push_back({session.CurveAt(index).name, outcome.found, false, false});
    }
    session.SetCurrentCurve(0);
    result.read = true;
}

} // namespace

UnitResult ReadUnit(const BatchUnit& unit, const BatchOptions& options, const Project* project,
                    LabelOcr* ocr, const std::atomic<bool>& stop) {
    UnitResult result;
    std::optional<LoadedPicture> loaded;
    try {
        DecodeWait wait;
        wait.keepWaiting = [&stop] {
            return !stop.load();
        };
        loaded = DecodeInChildProcess(
            unit.path, wait,
            PdfPageRequest{std::max(unit.page, 1), options.dotsPerInch, false, options.vector});
    } catch (const AppError& error) {
        result.reason = error.description;
        return result;
    }
    if (!loaded) {
        result.reason = QStringLiteral("The run was stopped.");
        return result;
    }
    if (loaded->type == PictureType::PdfPage) {
        result.page = loaded->pdf.page;
        result.pageCount = loaded->pdf.pageCount;
    }
    Session session;
    session.Picture().SetPicture(loaded->image, loaded->type, loaded->originalBytes,
                                 loaded->drawing);
    const VectorDrawing* drawing =
        options.vector && loaded->drawing && loaded->drawing->dropped.isEmpty()
            ? loaded->drawing.get()
            : nullptr;
    if (project) {
        ReadWithProject(result, session, *project, *loaded, stop);
    } else if (ocr) {
        ReadAutomatically(result, session, drawing, *ocr);
    } else {
        result.reason = QStringLiteral("No label reader was given.");
    }
    if (!result.read) {
        return result;
    }
    for (const CurveSummary& curve : result.curves) {
        result.points += curve.points;
    }
    result.csv = AllCurvesCsv(session);
    return result;
}
