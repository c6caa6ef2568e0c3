#include "session/AutoRead.h"

#include "extraction/AutoReadScan.h"
#include "session/PointValues.h"
#include "session/Session.h"

#include <optional>
#include <vector>

std::int64_t AutoReadPositions(const Settings& settings) {
    return static_cast<std::int64_t>(settings.GridCols) * settings.GridRows + settings.GridCols +
           settings.GridRows;
}

AutoReadOutcome AutoReadInto(Session& session,
                             const std::function<bool(std::int64_t positions)>& keepGoing) {
    const Settings& s = session.settings;
    const PackedColor data = DataColorOf(session.CurrentCurve(), s);
    const PackedColor found = FoundColorOf(session.CurrentCurve(), s);
    DataTable& table = session.Table();
    DrawnPicture& drawing = session.Picture().Drawing();
    // A fitted calibration lays the grid over the picture in the edges' frame; each position
    // found is read through the fitted map.
    const UserCoordinates grid(session.calibration.Edges(), drawing.Size());
    const std::optional<QTransform>& fitted = drawing.Coordinates().Fitted();
    const AutoReadScan scan = fitted ? AutoReadScan(drawing, grid, s.GridCols, s.GridRows)
                                     : AutoReadScan(drawing, grid.Edges(), s.GridCols, s.GridRows);
    AutoReadOutcome outcome;
    std::vector<DataTable::Row> rows;
    std::optional<QPointF> lastFound;
    // Markers go straight into the drawing, where the positions after them read them; the
    // windows repaint what they cover once, at the end, and the rows arrive at once.
    QRect drawn;
    const auto foundAt = [&](double gridX, double gridY) {
        double x = gridX;
        double y = gridY;
        if (fitted) {
            const QPointF user = fitted->map(grid.ToPixel({gridX, gridY}));
            x = user.x();
            y = user.y();
        }
        // A position whose value does not fit (a log axis far past its range) is skipped and
        // counted, never shown in a box per position.
        const std::optional<QPointF> values = FoundPointValues(s, x, y);
        if (!values) {
            ++outcome.skipped;
            return;
        }
        const int number = table.RowCount() + static_cast<int>(rows.size());
        rows.push_back(PaddedPointRow(number, values->x(), values->y()));
        lastFound = values;
        drawn |= drawing.Dot(x, y, found);
    };
    const bool finished = s.AutoReadCentreLine
                              ? scan.RunCentreLines(data, s.ARColorTolerance, foundAt, keepGoing)
                              : scan.Run(data, s.ARColorTolerance, foundAt, keepGoing);
    outcome.stopped = !finished;
    session.Picture().Redrawn(drawn);
    outcome.found = static_cast<std::int64_t>(rows.size());
    if (lastFound) {
        ShowSavedPoint(session, lastFound->x(), lastFound->y());
    }
    AppendPointRows(table, std::move(rows));
    return outcome;
}
