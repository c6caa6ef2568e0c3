#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

// The table of points as text: row 0 is the header, every further row one point with its
// number, X text and Y text. What the grid shows is the data; there is no numeric copy.
class DataTable : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, 3>;

    static constexpr int ColumnCount = 3;
    static const Row HeaderRow;

    explicit DataTable(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // While the header is frozen its texts show as the column titles.
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int PointCount() const { return RowCount() - 1; }
    const QString& CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

    void AppendRow(const Row& row);
    // One model insert for many rows, so that long runs never repaint per row.
    void AppendRows(std::vector<Row> rows);
    // Unfreezes the header and keeps the header row only.
    void Clear();
    // Removes point rows [first, first + count), never the header; rows that do not exist are
    // skipped. Returns how many were removed.
    int RemoveRows(int first, int count);
    // Writes every point number as its row index in plain form.
    void RenumberPlain();
    // Puts new point rows in place of all the old ones, in one change.
    void ReplacePointRows(std::vector<Row> rows);
    // Rewrites the X and Y texts of every point row in one change; both lists hold one text
    // per point.
    void SetPointValues(const std::vector<QString>& xTexts, const std::vector<QString>& yTexts);
    const std::vector<Row>& Rows() const { return m_rows; }
    // Puts `rows` in place of rows [first, first + count), the header row included, in one
    // change; `first` and `count` are held inside the table.
    void SpliceRows(int first, int count, std::vector<Row> rows);
    // Grows with every change of the rows or the header's state: two equal readings mean that
    // nothing changed in between.
    std::uint64_t Revision() const { return m_revision; }
    // The first row changed since MarkUnchanged (the row count when none was), so that a
    // comparison with an older copy can start there.
    int FirstChangedRow() const { return m_firstChanged; }
    void MarkUnchanged() { m_firstChanged = RowCount(); }

    bool HeaderFrozen() const { return m_headerFrozen; }
    void SetHeaderFrozen(bool frozen);

signals:
    void HeaderFrozenChanged(bool frozen);

private:
    std::vector<Row> m_rows;
    bool m_headerFrozen = false;
    std::uint64_t m_revision = 0;
    int m_firstChanged = 0;

    void Changed(int fromRow) {
        ++m_revision;
        m_firstChanged = std::min(m_firstChanged, fromRow);
    }
};

// Appends one recorded point: its number is the row count before the append, every cell is
// written in padded form with the precision of the caller's numbers. Freezes the header once
// the table holds two points.
void AppendPointRow(DataTable& table, float x, float y);
void AppendPointRow(DataTable& table, double x, double y);

// The row AppendPointRow writes for a point numbered (number), for batches that append many
// rows at once through AppendPointRows, which freezes the header as AppendPointRow does.
DataTable::Row PaddedPointRow(int number, double x, double y);
void AppendPointRows(DataTable& table, std::vector<DataTable::Row> rows);
