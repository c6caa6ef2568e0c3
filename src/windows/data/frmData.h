#pragma once

#include "platform/Desktop.h"
#include <QWidget>

class DataTable;
class QCheckBox;
class QComboBox;
class QToolButton;
class MainFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSizeGrip;
class QTableView;
class Session;

// The data window "Data Points": the grid GridData over the table of points, the edit panel
// (Frame1) that shows and changes one point, and the sort panel (Frame2). The grid's current
// cell (Row, Col) and the other corner of its selection (RowSel, ColSel) may lie either way
// round; commands read the block between them.
class frmData : public QWidget {
    Q_OBJECT
public:
    frmData(Session& session, const Desktop& desktop, MainFrame& main, QWidget* parent = nullptr);

    // Sets the grid up: header row only, three columns of 800, 1600 and 1600 twips.
    void Form_Load();
    // Unfreezes the header and fits the grid to the window.
    void Form_Resize();
    // Asked before the program closes: offers to save a table that holds points, and another
    // place when the data file cannot be written. Returns false when the user chose to stay
    // in the program; the points are never dropped without the user saying No.
    bool QueryUnload();

    void GridData_Click();
    void GridData_RightButtonDown(QPoint globalPosition);
    void Text1_Change();
    void cmdSetValues_Click();
    void cmdSort_Click();
    // Asks for a new name of the current curve; a name that is empty or taken is refused.
    void cmdRenameCurve_Click();
    // The sort with the key of the option buttons, as every sort command runs it.
    // False when a cell could not be read; the user has been told.
    bool SortGrid();

    DataTable& Table() { return *m_table; }
    QTableView& GridData() { return *m_grid; }
    QLineEdit& Text1() { return *m_text1; }
    QLineEdit& TxtXValue() { return *m_txtXValue; }
    QLineEdit& TxtYValue() { return *m_txtYValue; }
    QRadioButton& OptSortX() { return *m_optSortX; }
    QRadioButton& OptSortY() { return *m_optSortY; }

    int Row() const { return m_row; }
    int RowSel() const { return m_rowSel; }
    int Col() const { return m_col; }
    int ColSel() const { return m_colSel; }
    // Makes a cell current and collapses the selection to it; a row that does not exist
    // leaves everything as it was and returns false.
    bool SetRow(int row);
    bool SetRowSel(int row);
    void SetCol(int column);
    void SetColSel(int column);
    // Scrolls so that the row is the first one shown.
    void SetTopRow(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_session;
    Desktop m_desktop;
    MainFrame& m_main;
    // The grid shows the current curve's table; the selector above it lists the curves.
    void ShowCurrentCurve();
    void CreateCurvePanel();
    void ShowCurveList();
    void KeepCellsInside();
    void CreateEditPanel();
    void CreateSortPanel();
    void ShowSelection();
    void FollowViewSelection();
    void ShowHeaderState(bool frozen);
    void MarkPointOfCurrentRow();

    DataTable* m_table = nullptr;
    QTableView* m_grid = nullptr;
    QWidget* m_curvePanel = nullptr;
    QComboBox* m_cboCurve = nullptr;
    QToolButton* m_cmdCurveColour = nullptr;
    QCheckBox* m_chkCurveShown = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_txtXValue = nullptr;
    QLineEdit* m_txtYValue = nullptr;
    QPushButton* m_cmdSetValues = nullptr;
    QGroupBox* m_frame2 = nullptr;
    QRadioButton* m_optSortX = nullptr;
    QRadioButton* m_optSortY = nullptr;
    QPushButton* m_cmdSort = nullptr;
    QLabel* m_label4 = nullptr;
    QSizeGrip* m_label1 = nullptr;
    int m_row = 0;
    int m_rowSel = 0;
    int m_col = 0;
    int m_colSel = 0;
    bool m_showingSelection = false;
};
