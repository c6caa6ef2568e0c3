// The Data menu's table commands.

#include "windows/main/frmMain.h"

#include "core/AppError.h"
#include "platform/Prompts.h"
#include "session/Session.h"
#include "table/CellBlock.h"
#include "table/DataTable.h"
#include "table/TableSort.h"
#include "windows/data/frmData.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/WindowSet.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

bool frmMain::DataWindowIsActive() const {
    // Recognised by the caption, so that a question is asked only where the user selected
    // rows by hand.
    const QMdiSubWindow* active = m_mdiArea->currentSubWindow();
    return active != nullptr && active->widget() != nullptr &&
           active->widget()->windowTitle().left(3).toLower() == QStringLiteral("dat");
}

void frmMain::mnuDataRemoveSelected_Click() {
    frmData& data = m_windows.Data();
    DataTable& table = data.Table();
    const int upperEnd = std::min(data.Row(), data.RowSel());
    const int lowerEnd = std::max(data.Row(), data.RowSel());
    table.SetHeaderFrozen(false);
    if (data.Row() == 0) {
        data.SetRow(1);
    }
    bool remove = true;
    if (DataWindowIsActive()) {
        remove = m_desktop.prompts.ShowMessage(
                     QStringLiteral("Delete selected rows from the data grid?"),
                     QStringLiteral("Edit Data"), MessageIcon::Question,
                     MessageButtons::YesNo) == MessageAnswer::Yes;
    }
    if (remove) {
        // The header is never removed, and a selection that reaches up into it removes only
        // the points inside it.
        const int first = std::max(upperEnd, 1);
        table.RemoveRows(first, lowerEnd - first + 1);
        table.RenumberPlain();
    }
    if (table.RowCount() >= 3) {
        table.SetHeaderFrozen(true);
    }
    mnuViewRefresh_Click();
}

void frmMain::mnuDataRemoveAll_Click() {
    const MessageAnswer answer = m_desktop.prompts.ShowMessage(
        QStringLiteral("Delete all the rows from the data grid?"), QStringLiteral("Edit Data"),
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) {
        return;
    }
    m_windows.Data().Table().Clear();
    mnuViewRefresh_Click();
}

void frmMain::mnuDataSortX_Click() {
    m_windows.Data().OptSortX().setChecked(true);
    m_windows.Data().SortGrid();
}

void frmMain::mnuDataSortY_Click() {
    m_windows.Data().OptSortY().setChecked(true);
    m_windows.Data().SortGrid();
}

void frmMain::mnuDataRemoveRepeated_Click() {
    frmData& data = m_windows.Data();
    // A cell the sort could not read has been reported once; the same cell would stop the
    // removal too.
    if (data.SortGrid()) {
        try {
            RemoveRepeatedNeighbours(data.Table());
        } catch (const AppError& error) {
            ShowErrorReport(m_session, m_desktop.prompts, error);
        }
    }
    if (data.Table().RowCount() > 2) {
        data.Table().SetHeaderFrozen(true);
    }
    mnuViewRefresh_Click();
}

void frmMain::mnuDataCopy_Click() {
    frmData& data = m_windows.Data();
    const QString text =
        CellBlockText(data.Table(), {data.Row(), data.Col(), data.RowSel(), data.ColSel()});
    // A clipboard that cannot be written leaves things as they were.
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(text);
    }
}
