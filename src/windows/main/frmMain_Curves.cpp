// Curves: several series on one picture, each with its name, colour and table.

#include "windows/main/frmMain.h"

#include "core/FileErrors.h"
#include "platform/Prompts.h"
#include "session/CurveExport.h"
#include "session/Session.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowSet.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
const QString CurvesTitle = QStringLiteral("Curves");
} // namespace

void frmMain::mnuDataNewCurve_Click() {
    if (m_session.CurveCount() >= MostCurves) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("A session holds at most %1 curves.").arg(MostCurves), CurvesTitle,
            MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    QString name = m_session.UnusedCurveName();
    for (;;) {
        name = m_desktop.prompts.AskText(QStringLiteral("Name of the new curve:"),
                                         QStringLiteral("New Curve"), name);
        if (name.isEmpty()) {
            return; // cancelled
        }
        const std::optional<QString> problem = m_session.CurveNameProblem(name);
        if (!problem) {
            break;
        }
        m_desktop.prompts.ShowMessage(*problem, QStringLiteral("New Curve"),
                                      MessageIcon::Exclamation, MessageButtons::Ok);
    }
    m_session.AddCurve(name, CurvePaletteColor(m_session.CurveCount() + 1));
}

void frmMain::mnuDataNextCurve_Click() {
    m_session.SetCurrentCurve((m_session.CurrentCurveIndex() + 1) % m_session.CurveCount());
}

void frmMain::mnuDataPreviousCurve_Click() {
    const int count = m_session.CurveCount();
    m_session.SetCurrentCurve((m_session.CurrentCurveIndex() + count - 1) % count);
}

void frmMain::mnuDataDeleteCurve_Click() {
    if (m_session.CurveCount() == 1) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("The last curve cannot be deleted. Remove its points instead."),
            CurvesTitle, MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    const Curve& curve = m_session.CurrentCurve();
    const int points = curve.table->PointCount();
    if (points > 0 &&
        m_desktop.prompts.ShowMessage(
            QStringLiteral("Delete the curve \"%1\" with its %2 point(s)?")
                .arg(curve.name)
                .arg(points),
            CurvesTitle, MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    m_session.DeleteCurve(m_session.CurrentCurveIndex());
    mnuViewRefresh_Click();
}

void frmMain::mnuDataCurveColour_Click() {
    const int index = m_session.CurrentCurveIndex();
    const PackedColor now = MarkerColorOf(m_session.CurrentCurve(), m_session.settings);
    if (const std::optional<PackedColor> chosen = m_desktop.prompts.AskColor(now)) {
        m_session.SetCurveColor(index, *chosen);
        mnuViewRefresh_Click();
    }
}

bool frmMain::mnuDataExportAll_Click() {
    FileDialogRequest request;
    request.title = QStringLiteral("Export All Curves");
    request.filter = QStringLiteral("CSV (*.csv)|*.csv");
    request.defaultExtension = QStringLiteral(".csv");
    const QString path = m_desktop.prompts.AskSaveFile(request).path;
    if (path.isEmpty()) {
        return false;
    }
    if (!MayOverwrite(path)) {
        return false;
    }
    try {
        SetScreenPointer(ScreenPointer::ArrowHourglass);
        WriteWholeFile(path, AllCurvesCsv(m_session));
        SetScreenPointer(ScreenPointer::Default);
        return true;
    } catch (const AppError& error) {
        ShowErrorReport(m_session, m_desktop.prompts, error);
        return false;
    }
}

void frmMain::mnuDataCopyAll_Click() {
    // A clipboard that cannot be written leaves things as they were.
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(AllCurvesTabText(m_session));
    }
}
