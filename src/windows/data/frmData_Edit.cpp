// The edit panel, the sort panel and the question before closing.

#include "windows/data/frmData.h"

#include "core/AppError.h"
#include "core/Calibration.h"
#include "core/NumberText.h"
#include "platform/Prompts.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "table/RequestedRow.h"
#include "table/TableSort.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/ScreenPointer.h"

#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <utility>

namespace {

// A typed value loses the spaces around it, and nothing else: tabs and line breaks stay.
QString WithoutOuterSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (end > first && text.at(end - 1) == QLatin1Char(' ')) {
        --end;
    }
    return text.mid(first, end - first);
}

} // namespace

void frmData::Text1_Change() {
    if (const auto row = RequestedRow(m_text1->text(), m_table->RowCount())) {
        SetTopRow(*row);
        SetRow(*row);
    }
    if (m_row >= 1) {
        m_txtXValue->setText(m_table->CellText(m_row, 1));
        m_txtYValue->setText(m_table->CellText(m_row, 2));
        MarkPointOfCurrentRow();
    }
}

void frmData::MarkPointOfCurrentRow() {
    try {
        const double x =
            ToPictureX(LeadingNumberValue(m_txtXValue->text()), m_session.settings.XLog);
        const double y =
            ToPictureY(LeadingNumberValue(m_txtYValue->text()), m_session.settings.YLog);
        // Half the points colour: red 255 gives a dark red 127.
        m_session.Picture().Dot(
            x, y,
            PackedColor::FromPacked(
                MarkerColorOf(m_session.CurrentCurve(), m_session.settings).Packed() / 2));
    } catch (const AppError&) {
        // A value too large to read has no place to be marked.
    }
}

void frmData::cmdSetValues_Click() {
    const UndoStep step(m_session.History(), QStringLiteral("Set New Values"));
    double number = 0;
    try {
        number = LeadingNumberValue(m_text1->text());
    } catch (const AppError&) {
        return;
    }
    if (!(number > 0)) {
        return;
    }
    if (const auto row = RequestedRow(m_text1->text(), m_table->RowCount())) {
        SetTopRow(*row);
        SetRow(*row);
    }
    // The header row keeps its titles whatever is typed.
    if (m_row < 1) {
        m_main.RunMenuCommand("mnuViewRefresh");
        return;
    }
    // A value that is not wholly a number ("1,5", "abc") would be read as another number by
    // every later command: it is refused and the row keeps its values.
    for (const auto& [box, name] : {std::pair{m_txtXValue, "X"}, std::pair{m_txtYValue, "Y"}}) {
        if (!WholeNumber(box->text())) {
            m_desktop.prompts.ShowMessage(
                QStringLiteral("The %1 value \"%2\" is not a number. Type a number with a point "
                               "as its decimal separator, such as 1.5 or 2E-03; the point keeps "
                               "its values.")
                    .arg(QLatin1String(name), box->text().trimmed()),
                QStringLiteral("Set New Values"), MessageIcon::Exclamation, MessageButtons::Ok);
            box->setFocus();
            return;
        }
    }
    m_table->SetCellText(m_row, 1, WithoutOuterSpaces(m_txtXValue->text()));
    m_table->SetCellText(m_row, 2, WithoutOuterSpaces(m_txtYValue->text()));
    m_main.RunMenuCommand("mnuViewRefresh");
}

bool frmData::SortGrid() {
    SetScreenPointer(ScreenPointer::ArrowHourglass);
    bool sorted = true;
    try {
        SortPoints(*m_table, m_optSortX->isChecked() ? SortKey::X : SortKey::Y);
    } catch (const AppError& error) {
        ShowErrorReport(m_session, m_desktop.prompts, error);
        sorted = false;
    }
    SetScreenPointer(ScreenPointer::Arrow);
    return sorted;
}

void frmData::cmdSort_Click() {
    const UndoStep step(m_session.History(), QStringLiteral("Sort"));
    SortGrid();
    Text1_Change();
}

bool frmData::QueryUnload() {
    // Points of other curves are not in the grid's data file: they are offered as one export.
    if (m_session.PointsOutsideCurrentCurve()) {
        for (;;) {
            const MessageAnswer answer = m_desktop.prompts.ShowMessage(
                QStringLiteral("Export the points of all curves before leaving?"),
                QStringLiteral("Last Call"), MessageIcon::Question, MessageButtons::YesNoCancel);
            if (answer == MessageAnswer::No) {
                return true;
            }
            if (answer != MessageAnswer::Yes) {
                return false;
            }
            if (m_main.ExportAllCurves()) {
                return true;
            }
        }
    }
    if (m_table->RowCount() < 2) {
        return true;
    }
    for (;;) {
        const MessageAnswer answer = m_desktop.prompts.ShowMessage(
            QStringLiteral("Save Data from the Grid before leaving?"), QStringLiteral("Last Call"),
            MessageIcon::Question, MessageButtons::YesNoCancel);
        if (answer == MessageAnswer::No) {
            return true;
        }
        if (answer != MessageAnswer::Yes) {
            return false; // the user stays in the program
        }
        // A name to confirm has had its dialog already.
        const bool named = !m_session.DataFileName.isEmpty() && !m_session.DataFileNameFromProject;
        if (m_main.SaveTable()) {
            return true;
        }
        // The file named before cannot be written (its folder gone or read-only): offer another
        // place; cancelling that asks the question again.
        if (named && m_main.SaveTableAs()) {
            return true;
        }
    }
}
