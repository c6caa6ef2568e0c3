#pragma once

#include <QWidget>

class DataTable;
class QTableView;

// The data window "Data Points": the grid GridData over the table of points. The grid's
// current row and the other end of its row selection (Row and RowSel) may lie either way
// round; commands read the range between them.
class frmData : public QWidget {
    Q_OBJECT
public:
    explicit frmData(QWidget* parent = nullptr);

    // Sets the grid up: header row only, three columns of 800, 1600 and 1600 twips.
    void Form_Load();
    // Unfreezes the header and fits the grid to the window.
    void Form_Resize();

    DataTable& Table() { return *m_table; }
    QTableView& GridData() { return *m_grid; }

    int Row() const { return m_row; }
    int RowSel() const { return m_rowSel; }
    // Makes a row current and collapses the selection to it; a row that does not exist
    // leaves everything as it was and returns false.
    bool SetRow(int row);
    bool SetRowSel(int row);
    int Col() const { return m_col; }
    void SetCol(int column);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowSelection();
    void FollowUserSelection();

    DataTable* m_table = nullptr;
    QTableView* m_grid = nullptr;
    int m_row = 0;
    int m_rowSel = 0;
    int m_col = 0;
    bool m_showingSelection = false;
};
