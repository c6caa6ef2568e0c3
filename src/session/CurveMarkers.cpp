#include "session/CurveMarkers.h"

#include "session/Session.h"
#include "table/MarkerPositions.h"

void RedrawCurveMarkers(Session& session) {
    SessionPicture& picture = session.Picture();
    picture.Erase();
    const auto draw = [&](int index) {
        const Curve& curve = session.CurveAt(index);
        if (curve.shown) {
            picture.Dots(
                MarkerPositions(*curve.table, session.settings.XLog, session.settings.YLog),
                MarkerColorOf(curve, session.settings));
        }
    };
    for (int index = 0; index < session.CurveCount(); ++index) {
        if (index != session.CurrentCurveIndex()) {
            draw(index);
        }
    }
    draw(session.CurrentCurveIndex());
}
