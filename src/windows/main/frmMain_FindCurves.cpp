// Data > Find Curves: every coloured series of the plot read into a curve of its own.

#include "windows/main/frmMain.h"

#include "platform/Prompts.h"
#include "recognition/CurveFinding.h"
#include "recognition/PlotAxesReading.h"
#include "session/FoundCurves.h"
#include "session/Session.h"
#include "windows/shared/ScreenPointer.h"

namespace {

const QString FindCurvesTitle = QStringLiteral("Find Curves");
constexpr int FoundMessageMs = 8000;

} // namespace

void frmMain::mnuDataFindCurves_Click() {
    const SessionPicture& picture = m_session.Picture();
    if (!picture.HasPicture()) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("There is no picture to read. Bring in a picture of a plot first."),
            FindCurvesTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    SetScreenPointer(ScreenPointer::Hourglass);
    const QRectF area = FindPlotArea(picture.Picture(), picture.Vectors().get());
    const CurveFinding finding = FindCurves(picture.Picture(), area);
    SetScreenPointer(ScreenPointer::Default);
    if (finding.curves.empty()) {
        m_desktop.prompts.ShowMessage(finding.refusal, FindCurvesTitle, MessageIcon::Information,
                                      MessageButtons::Ok);
        return;
    }
    const UndoStep step(m_session.History(), FindCurvesTitle);
    const FoundCurvesOutcome outcome = AddFoundCurves(m_session, finding);
    QString said =
        QStringLiteral("Found %1 curves with %2 points").arg(outcome.curves).arg(outcome.points);
    if (outcome.curves == 1) {
        said = QStringLiteral("Found 1 curve with %1 points").arg(outcome.points);
    }
    if (area.isEmpty()) {
        said += QStringLiteral(" (no axes were found: the whole picture was read)");
    }
    if (outcome.notAdded > 0) {
        said += QStringLiteral("; %1 series left out at the limit of %2 curves")
                    .arg(outcome.notAdded)
                    .arg(MostCurves);
    }
    ShowStatusMessage(said, FoundMessageMs);
}
