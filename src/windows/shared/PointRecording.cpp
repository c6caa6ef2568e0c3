#include "windows/shared/PointRecording.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/main/frmMain.h"
#include "windows/shared/AppState.h"
#include "windows/shared/ErrorReport.h"

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

enum class OnFailure { ShowBox, StayQuiet };

template <typename T> bool ShowOrRecord(T& x, T& y, bool save, OnFailure onFailure) {
    try {
        const T dataX = DataValue(x, App().settings.XLog);
        const T dataY = DataValue(y, App().settings.YLog);
        x = dataX;
        y = dataY;
        const QString prefix = save ? QStringLiteral("Saving: ") : QString();
        frmMain& main = App().MainForm();
        main.SetPanelText(3, prefix + QStringLiteral("X= ") + PaddedNumberText(x));
        main.SetPanelText(4, prefix + QStringLiteral("Y= ") + PaddedNumberText(y));
        if (save) {
            AppendPointRow(App().Data().Table(), x, y);
        }
        return true;
    } catch (const AppError& error) {
        if (onFailure == OnFailure::ShowBox) {
            ShowErrorReport(error);
        }
        return false;
    }
}

} // namespace

void ShowOrRecordPoint(float& x, float& y, bool save) {
    ShowOrRecord(x, y, save, save ? OnFailure::ShowBox : OnFailure::StayQuiet);
}
void ShowOrRecordPoint(double& x, double& y, bool save) {
    ShowOrRecord(x, y, save, save ? OnFailure::ShowBox : OnFailure::StayQuiet);
}

std::optional<QPointF> FoundPointValues(double x, double y) {
    try {
        return QPointF(DataValue(x, App().settings.XLog), DataValue(y, App().settings.YLog));
    } catch (const AppError&) {
        return std::nullopt;
    }
}

void ShowSavedPoint(double x, double y) {
    frmMain& main = App().MainForm();
    main.SetPanelText(3, QStringLiteral("Saving: X= ") + PaddedNumberText(x));
    main.SetPanelText(4, QStringLiteral("Saving: Y= ") + PaddedNumberText(y));
}
