// Collecting many points at once: auto-read by colour and interpolation by a spline.

#include "core/ProgramInfo.h"
#include "windows/main/frmMain.h"
#include "windows/shared/LongCommand.h"

#include "core/AppError.h"
#include "core/Calibration.h"
#include "core/NumberText.h"
#include "extraction/TableSpline.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "session/AutoRead.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/PointRecording.h"
#include "windows/shared/PointerImages.h"
#include "windows/shared/ResourceSounds.h"
#include "windows/shared/ScreenPointer.h"
#include "windows/shared/WindowSet.h"

#include <QAction>
#include <QLocale>
#include <QProgressBar>
#include <QRadioButton>

#include <new>
#include <optional>
#include <stdexcept>

namespace {

// The user's time of day, with seconds and without a time zone.
QString TimeOfDay(const QDateTime& moment) {
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QStringLiteral(" t")).remove(QLatin1Char('t'));
    return locale.toString(moment.time(), format.trimmed());
}

} // namespace

void frmMain::mnuDataAR_Click() {
    const Settings& s = m_session.settings;
    if (s.GridCols < 1 || s.GridRows < 1) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("AutoRead needs at least one column and one row in its grid. Set them "
                           "in the Options window (AutoRead, Sweep Density)."),
            QStringLiteral("Auto Reading"), MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    const QDateTime start = m_desktop.clock.Now();
    SetScreenPointer(ScreenPointer::Hourglass);
    AutoReadOutcome outcome;
    {
        LongCommand command(Item("mnuViewToolbar").isChecked() ? m_progressBar : nullptr,
                            AutoReadPositions(s));
        outcome = AutoReadInto(m_session,
                               [&](std::int64_t positions) { return !command.Advance(positions); });
    }
    const QDateTime end = m_desktop.clock.Now();
    m_progressBar->hide();
    SetCustomScreenPointer(PointerCursor(s.PointerIndex));
    PlayResourceSound(m_desktop.sound, BeepSound);
    QString report = QStringLiteral("The number of values found and stored is: ") +
                     QString::number(outcome.found) + QStringLiteral("\r\nStarting time: ") +
                     TimeOfDay(start) + QStringLiteral("\r\nEnding time: ") + TimeOfDay(end);
    if (outcome.skipped > 0) {
        report += QStringLiteral("\r\nPositions skipped (their values do not fit a number): ") +
                  QString::number(outcome.skipped);
    }
    if (outcome.stopped) {
        report += QStringLiteral("\r\nStopped with Esc before the end of the grid.");
    }
    m_desktop.prompts.ShowMessage(report, QStringLiteral("Auto Reading"), MessageIcon::Information,
                                  MessageButtons::Ok);
}

void frmMain::mnuDataSpline_Click() {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    mnuDataRemoveRepeated_Click();
    frmData& data = m_windows.Data();
    DataTable& table = data.Table();
    const int n = table.PointCount();
    if (n <= 3) {
        m_desktop.prompts.ShowMessage(
            QStringLiteral("You need at least two values to perform any interpolation."),
            QStringLiteral("Insufficient Data"), MessageIcon::Information, MessageButtons::Ok);
        SetCustomScreenPointer(PointerCursor(m_session.settings.PointerIndex));
        return;
    }
    const Settings& s = m_session.settings;
    try {
        (s.SplineOnX ? data.OptSortX() : data.OptSortY()).setChecked(true);
        data.SortGrid();
        const std::vector<QPointF> points = InterpolateTable(table, s.SplineOnX, s.SplinePoints);
        PictureSurface& picture = m_windows.Document().Picture2();
        // Escape while the samples are drawn or turned into rows adds nothing to the table.
        bool stopped = false;
        {
            LongCommand command(m_progressBar, static_cast<std::int64_t>(points.size()));
            std::int64_t done = 0;
            // The samples go straight into the drawn image; the window repaints what they
            // cover once.
            QRect drawn;
            for (const QPointF& point : points) {
                // Drawn where the markers of recorded points go: at the logarithm on a log
                // axis.
                drawn |= picture.Drawing().Dot(ToPictureX(point.x(), s.XLog),
                                               ToPictureY(point.y(), s.YLog), s.SplineColor);
                if (command.Advance(++done)) {
                    stopped = true;
                    break;
                }
            }
            picture.update(drawn);
        }
        const MessageAnswer answer =
            stopped ? MessageAnswer::No
                    : m_desktop.prompts.ShowMessage(
                          QStringLiteral(
                              "You want to add these interpolated points to your current data?"),
                          ProgramInfo::Title, MessageIcon::Question, MessageButtons::YesNo);
        std::vector<DataTable::Row> rows;
        if (answer == MessageAnswer::Yes) {
            LongCommand command(m_progressBar, static_cast<std::int64_t>(points.size()));
            rows = InterpolatedRows(table.RowCount(), points,
                                    [&](std::int64_t done) { return !command.Advance(done); });
        }
        if (rows.size() == points.size() && answer == MessageAnswer::Yes) {
            table.AppendRows(std::move(rows));
        } else {
            picture.Erase();
        }
    } catch (const std::bad_alloc&) {
        ShowErrorReport(m_session, m_desktop.prompts, OutOfMemoryError());
        return;
    } catch (const std::length_error&) {
        ShowErrorReport(m_session, m_desktop.prompts, OutOfMemoryError());
        return;
    } catch (const AppError& error) {
        SetScreenPointer(ScreenPointer::Arrow);
        m_session.MsgText =
            QStringLiteral("The interpolation method is failing with these data.\r\n"
                           "Try againg changing the Independant Variable\r\n") +
            ErrorReportText(error);
        m_desktop.prompts.ShowMessage(m_session.MsgText, QStringLiteral("Error"),
                                      MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    mnuViewRefresh_Click();
    SetCustomScreenPointer(PointerCursor(s.PointerIndex));
}

void frmMain::mnuDataReadCurve_Click() {
    m_windows.Document().StartReadCurve();
}
