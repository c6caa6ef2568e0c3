#include "session/PointValues.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "session/Session.h"

#include <cmath>
#include <limits>

namespace {

// 10 to the coordinate, or the coordinate itself on a linear axis, stored in the caller's type.
template <typename T> T DataValue(T coordinate, bool logAxis) {
    const double value =
        logAxis ? std::pow(10.0, static_cast<double>(coordinate)) : static_cast<double>(coordinate);
    // A power that vanishes to 0 is not the data value either: 0 has no place on a log axis.
    const bool vanished = logAxis && static_cast<T>(value) == 0;
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<T>::max() || vanished) {
        throw AppError{ErrorNumber::Overflow, QStringLiteral("Overflow"), {}};
    }
    return static_cast<T>(value);
}

template <typename T> void ShowOrRecord(Session& session, T& x, T& y, bool save) {
    const T dataX = DataValue(x, session.settings.XLog);
    const T dataY = DataValue(y, session.settings.YLog);
    x = dataX;
    y = dataY;
    const QString prefix = save ? QStringLiteral("Saving: ") : QString();
    session.SetStatusText(3, prefix + QStringLiteral("X= ") + PaddedNumberText(x));
    session.SetStatusText(4, prefix + QStringLiteral("Y= ") + PaddedNumberText(y));
    if (save) {
        AppendPointRow(session.Table(), x, y);
    }
}

} // namespace

void ShowOrRecordPointValues(Session& session, float& x, float& y, bool save) {
    ShowOrRecord(session, x, y, save);
}

void ShowOrRecordPointValues(Session& session, double& x, double& y, bool save) {
    ShowOrRecord(session, x, y, save);
}

std::optional<QPointF> FoundPointValues(const Settings& settings, double x, double y) {
    try {
        return QPointF(DataValue(x, settings.XLog), DataValue(y, settings.YLog));
    } catch (const AppError&) {
        return std::nullopt;
    }
}

void ShowSavedPoint(Session& session, double x, double y) {
    session.SetStatusText(3, QStringLiteral("Saving: X= ") + PaddedNumberText(x));
    session.SetStatusText(4, QStringLiteral("Saving: Y= ") + PaddedNumberText(y));
}
