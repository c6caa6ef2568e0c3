#include "session/CurveReadout.h"

#include "session/PointValues.h"
#include "session/Session.h"

#include <optional>
#include <vector>

CurveReadout ReadDrawnCurve(Session& session, QPointF click, double radius) {
    CurveReadout readout;
    const SessionPicture::SharedVectors& vectors = session.Picture().Vectors();
    if (!vectors) {
        readout.result = CurveReadout::Result::NoDrawing;
        return readout;
    }
    if (!vectors->dropped.isEmpty()) {
        readout.result = CurveReadout::Result::Dropped;
        return readout;
    }
    if (!vectors->HasPaths()) {
        readout.result = CurveReadout::Result::NoPaths;
        return readout;
    }
    const std::optional<CurveReading> reading = ReadCurveAt(*vectors, click, radius);
    if (!reading) {
        readout.result = CurveReadout::Result::NothingNear;
        return readout;
    }
    readout.result = CurveReadout::Result::Read;
    readout.kind = reading->kind;
    const RecordedPositions recorded = RecordPositions(session, reading->positions);
    readout.found = recorded.found;
    readout.skipped = recorded.skipped;
    return readout;
}

RecordedPositions RecordPositions(Session& session, const std::vector<QPointF>& positions) {
    RecordedPositions recorded;
    DataTable& table = session.Table();
    const UserCoordinates& coordinates = session.Picture().Coordinates();
    std::vector<DataTable::Row> rows;
    std::vector<QPointF> marked;
    std::optional<QPointF> last;
    for (const QPointF& position : positions) {
        const QPointF user = coordinates.ToUser(position);
        const std::optional<QPointF> values =
            FoundPointValues(session.settings, user.x(), user.y());
        if (!values) {
            ++recorded.skipped;
            continue;
        }
        rows.push_back(PaddedPointRow(table.RowCount() + static_cast<int>(rows.size()), values->x(),
                                      values->y()));
        marked.push_back(user);
        last = values;
    }
    recorded.found = static_cast<std::int64_t>(rows.size());
    session.Picture().Dots(marked, MarkerColorOf(session.CurrentCurve(), session.settings));
    if (last) {
        ShowSavedPoint(session, last->x(), last->y());
    }
    AppendPointRows(table, std::move(rows));
    return recorded;
}
