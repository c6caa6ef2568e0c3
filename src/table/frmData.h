#pragma once

#include <QWidget>

class DataTable;
class QTableView;

// The data window "Data Points": the grid GridData over the table of points.
class frmData : public QWidget {
    Q_OBJECT
public:
    explicit frmData(QWidget* parent = nullptr);

    // Sets the grid up: header row only, three columns of 800, 1600 and 1600 twips.
    void Form_Load();

    DataTable& Table() { return *m_table; }
    QTableView& GridData() { return *m_grid; }

private:
    DataTable* m_table = nullptr;
    QTableView* m_grid = nullptr;
};
