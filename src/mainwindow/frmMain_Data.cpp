// The Data menu's table commands.

#include "mainwindow/frmMain.h"

#include "core/AppState.h"
#include "platform/Prompts.h"
#include "table/DataTable.h"
#include "table/frmData.h"

#include <QMdiArea>
#include <QMdiSubWindow>

bool frmMain::DataWindowIsActive() const {
    // Recognised by the caption, so that a question is asked only where the user selected
    // rows by hand.
    const QMdiSubWindow* active = m_mdiArea->currentSubWindow();
    return active != nullptr && active->widget() != nullptr &&
           active->widget()->windowTitle().left(3).toLower() == QStringLiteral("dat");
}

void frmMain::mnuDataRemoveSelected_Click() {
    frmData& data = App().Data();
    DataTable& table = data.Table();
    const int upperEnd = std::min(data.Row(), data.RowSel());
    const int lowerEnd = std::max(data.Row(), data.RowSel());
    table.SetHeaderFrozen(false);
    if (data.Row() == 0) {
        data.SetRow(1);
    }
    bool remove = true;
    if (DataWindowIsActive()) {
        remove =
            App().prompts().ShowMessage(QStringLiteral("Delete selected rows from the data grid?"),
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
