// The grid's current cell, its selection block, clicks and the pop-up menu.

#include "windows/data/frmData.h"

#include "core/NumberText.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "windows/shared/MainFrame.h"
#include "windows/shared/ResourceSounds.h"

#include <QEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

bool frmData::SetRow(int row) {
    if (row < 0 || row >= m_table->RowCount()) {
        return false;
    }
    m_row = m_rowSel = row;
    m_colSel = m_col;
    ShowSelection();
    return true;
}

bool frmData::SetRowSel(int row) {
    if (row < 0 || row >= m_table->RowCount()) {
        return false;
    }
    m_rowSel = row;
    ShowSelection();
    return true;
}

void frmData::SetCol(int column) {
    m_col = m_colSel = std::clamp(column, 0, DataTable::ColumnCount - 1);
    ShowSelection();
}

void frmData::SetColSel(int column) {
    m_colSel = std::clamp(column, 0, DataTable::ColumnCount - 1);
    ShowSelection();
}

void frmData::SetTopRow(int row) {
    if (row >= 0 && row < m_table->RowCount()) {
        m_grid->scrollTo(m_table->index(row, 0), QAbstractItemView::PositionAtTop);
    }
}

void frmData::ShowSelection() {
    if (m_table->RowCount() == 0) {
        return;
    }
    m_showingSelection = true;
    QItemSelectionModel* selection = m_grid->selectionModel();
    const QModelIndex corner1 = m_table->index(m_row, m_col);
    const QModelIndex corner2 = m_table->index(m_rowSel, m_colSel);
    selection->setCurrentIndex(corner1, QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(corner1, corner2), QItemSelectionModel::ClearAndSelect);
    m_showingSelection = false;
}

void frmData::FollowViewSelection() {
    if (m_showingSelection) {
        return;
    }
    // The corner the user started from stays the current cell; the opposite corner of the
    // selected block is the selection end.
    const QItemSelection selected = m_grid->selectionModel()->selection();
    if (selected.isEmpty()) {
        return;
    }
    const QItemSelectionRange& block = selected.first();
    const QModelIndex current = m_grid->currentIndex();
    if (current.isValid() && !block.contains(m_table->index(m_row, m_col))) {
        m_row = current.row();
        m_col = current.column();
    }
    m_rowSel = m_row == block.top() ? block.bottom() : block.top();
    m_colSel = m_col == block.left() ? block.right() : block.left();
    if (m_row != block.top() && m_row != block.bottom()) {
        m_row = block.top();
        m_rowSel = block.bottom();
    }
}

void frmData::GridData_Click() {
    if (m_row == 0 && m_table->RowCount() > 1) {
        SetRow(1);
    }
    if (m_rowSel == m_row && m_row > 0) {
        m_text1->setText(PlainNumberText(static_cast<double>(m_row)));
    }
}

void frmData::GridData_RightButtonDown(QPoint globalPosition) {
    PlayResourceSound(m_desktop.sound, BeepSound);
    m_main.PopUpMenuAt(globalPosition);
}

bool frmData::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            GridData_RightButtonDown(mouse->globalPosition().toPoint());
            return true;
        }
    }
    // The grid is clicked when the left button comes up, wherever it went down: a drag along
    // one row is a click on that row too. The selection is complete by then.
    if (watched == m_grid->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        GridData_Click();
    }
    return QWidget::eventFilter(watched, event);
}
