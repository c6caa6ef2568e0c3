#include "table/DataTable.h"

#include "core/NumberText.h"

#include <algorithm>

const DataTable::Row DataTable::HeaderRow = {
    QStringLiteral("= Point ="), QStringLiteral("= X Axis ="), QStringLiteral("= Y Axis =")};

DataTable::DataTable(QObject* parent) : QAbstractTableModel(parent) {
    m_rows.push_back(HeaderRow);
}

int DataTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int DataTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DataTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= RowCount() || index.column() >= ColumnCount) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return m_rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    }
    return {};
}

Qt::ItemFlags DataTable::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // A frozen header stays at the top and cannot be selected.
    if (index.row() == 0 && m_headerFrozen) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant DataTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < ColumnCount) {
        return m_rows.front()[static_cast<size_t>(section)];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

const QString& DataTable::CellText(int row, int column) const {
    Q_ASSERT(row >= 0 && row < RowCount() && column >= 0 && column < ColumnCount);
    return m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void DataTable::SetCellText(int row, int column, const QString& text) {
    Q_ASSERT(row >= 0 && row < RowCount() && column >= 0 && column < ColumnCount);
    m_rows[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
    Changed(row);
    const QModelIndex changed = index(row, column);
    emit dataChanged(changed, changed);
}

void DataTable::AppendRow(const Row& row) {
    AppendRows({row});
}

void DataTable::AppendRows(std::vector<Row> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = RowCount();
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    Changed(first);
    endInsertRows();
}

void DataTable::Clear() {
    SetHeaderFrozen(false);
    if (RowCount() > 1) {
        beginRemoveRows({}, 1, RowCount() - 1);
        m_rows.resize(1);
        Changed(1);
        endRemoveRows();
    }
}

int DataTable::RemoveRows(int first, int count) {
    first = std::max(first, 1);
    const int last = std::min(first + count, RowCount()) - 1;
    if (count <= 0 || first > last) {
        return 0;
    }
    beginRemoveRows({}, first, last);
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last + 1);
    Changed(first);
    endRemoveRows();
    return last - first + 1;
}

void DataTable::RenumberPlain() {
    for (int row = 1; row < RowCount(); ++row) {
        m_rows[static_cast<size_t>(row)][0] = PlainNumberText(static_cast<double>(row));
    }
    Changed(1);
    if (RowCount() > 1) {
        emit dataChanged(index(1, 0), index(RowCount() - 1, 0));
    }
}

void DataTable::ReplacePointRows(std::vector<Row> rows) {
    beginResetModel();
    m_rows.resize(1);
    m_rows.insert(m_rows.end(), std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    Changed(1);
    endResetModel();
}

void DataTable::SetPointValues(const std::vector<QString>& xTexts,
                               const std::vector<QString>& yTexts) {
    Q_ASSERT(xTexts.size() == static_cast<size_t>(PointCount()) && yTexts.size() == xTexts.size());
    for (size_t i = 0; i < xTexts.size(); ++i) {
        m_rows[i + 1][1] = xTexts[i];
        m_rows[i + 1][2] = yTexts[i];
    }
    Changed(1);
    if (PointCount() > 0) {
        emit dataChanged(index(1, 1), index(RowCount() - 1, 2));
    }
}

void DataTable::SpliceRows(int first, int count, std::vector<Row> rows) {
    first = std::clamp(first, 0, RowCount());
    count = std::clamp(count, 0, RowCount() - first);
    const auto at = m_rows.begin() + first;
    const int added = static_cast<int>(rows.size());
    if (count > 0 && added > 0) {
        // Rows in place of others: the views take the whole table again.
        beginResetModel();
        m_rows.erase(at, at + count);
        m_rows.insert(m_rows.begin() + first, std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
        Changed(first);
        endResetModel();
    } else if (count > 0) {
        beginRemoveRows({}, first, first + count - 1);
        m_rows.erase(at, at + count);
        Changed(first);
        endRemoveRows();
    } else if (added > 0) {
        beginInsertRows({}, first, first + added - 1);
        m_rows.insert(at, std::make_move_iterator(rows.begin()),
                      std::make_move_iterator(rows.end()));
        Changed(first);
        endInsertRows();
    }
}

void DataTable::SetHeaderFrozen(bool frozen) {
    if (m_headerFrozen == frozen) {
        return;
    }
    m_headerFrozen = frozen;
    Changed(RowCount());
    emit HeaderFrozenChanged(frozen);
    if (RowCount() > 0) {
        emit dataChanged(index(0, 0), index(0, ColumnCount - 1));
    }
}

namespace {
template <typename T> void AppendPaddedPoint(DataTable& table, T x, T y) {
    const int pointNumber = table.RowCount();
    AppendPointRows(table, {{PaddedNumberText(static_cast<double>(pointNumber)),
                             PaddedNumberText(x), PaddedNumberText(y)}});
}
} // namespace

void AppendPointRow(DataTable& table, float x, float y) {
    AppendPaddedPoint(table, x, y);
}
void AppendPointRow(DataTable& table, double x, double y) {
    AppendPaddedPoint(table, x, y);
}

DataTable::Row PaddedPointRow(int number, double x, double y) {
    return {PaddedNumberText(static_cast<double>(number)), PaddedNumberText(x),
            PaddedNumberText(y)};
}

void AppendPointRows(DataTable& table, std::vector<DataTable::Row> rows) {
    table.AppendRows(std::move(rows));
    if (table.RowCount() > 2) {
        table.SetHeaderFrozen(true);
    }
}
