#include "table/frmData.h"

#include "core/Twips.h"
#include "table/DataTable.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScreen>
#include <QTableView>

frmData::frmData(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("Data Points"));
    m_table = new DataTable(this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("GridData"));
    m_grid->setModel(m_table);
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    QFont gridFont = m_grid->font();
    gridFont.setPointSize(8);
    m_grid->setFont(gridFont);
    // Rows of one height let the view skip measuring a million rows.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmData::FollowUserSelection);
    // Rows that go away take the current row and the selection end with them, as far as the
    // last row that is left.
    connect(m_table, &QAbstractItemModel::rowsRemoved, this, [this] {
        const int last = m_table->RowCount() - 1;
        m_row = std::min(m_row, last);
        m_rowSel = std::min(m_rowSel, last);
    });
}

void frmData::Form_Load() {
    m_table->Clear();
    m_row = m_rowSel = m_col = 0;
    m_grid->setColumnWidth(0, TwipsToPixels(800));
    m_grid->setColumnWidth(1, TwipsToPixels(1600));
    m_grid->setColumnWidth(2, TwipsToPixels(1600));
    m_grid->setFixedWidth(TwipsToPixels(4100));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int screenHeight = screen != nullptr ? screen->geometry().height() : 768;
    // The window sits inside the frame, so its frame is what gets the designed size.
    QWidget* window = parentWidget() != nullptr ? parentWidget() : this;
    window->resize(TwipsToPixels(7110),
                   std::max(TwipsToPixels(2000), screenHeight - TwipsToPixels(6000)));
}

void frmData::Form_Resize() {
    m_table->SetHeaderFrozen(false);
    const QWidget* window = parentWidget() != nullptr ? parentWidget() : this;
    m_grid->setGeometry(0, 0, m_grid->width(), std::max(0, window->height() - TwipsToPixels(800)));
}

void frmData::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool frmData::SetRow(int row) {
    if (row < 0 || row >= m_table->RowCount()) {
        return false;
    }
    m_row = m_rowSel = row;
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
    m_col = std::clamp(column, 0, DataTable::ColumnCount - 1);
}

void frmData::ShowSelection() {
    m_showingSelection = true;
    QItemSelectionModel* selection = m_grid->selectionModel();
    const int top = std::min(m_row, m_rowSel);
    const int bottom = std::max(m_row, m_rowSel);
    selection->select(
        QItemSelection(m_table->index(top, 0), m_table->index(bottom, DataTable::ColumnCount - 1)),
        QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(m_table->index(m_rowSel, m_col), QItemSelectionModel::NoUpdate);
    m_showingSelection = false;
}

void frmData::FollowUserSelection() {
    if (m_showingSelection) {
        return;
    }
    // The end the user started from stays the current row; the other end follows.
    const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    int top = rows.first().row();
    int bottom = top;
    for (const QModelIndex& index : rows) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
    }
    const int current = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : bottom;
    if (current == top) {
        m_row = bottom;
        m_rowSel = top;
    } else {
        m_row = top;
        m_rowSel = bottom;
    }
    if (top == bottom) {
        m_row = m_rowSel = top;
    }
}
