#include "windows/data/frmData.h"

#include "windows/shared/WindowGeometry.h"

#include "layout/Twips.h"
#include "platform/Prompts.h"
#include "session/Session.h"
#include "table/DataTable.h"
#include "windows/shared/MainFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSizeGrip>
#include <QTableView>
#include <QToolButton>
#include <array>

namespace {
QLabel* PanelLabel(const QString& text, QWidget* parent, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(TwipsToPixels(left), TwipsToPixels(top));
    label->adjustSize();
    return label;
}
} // namespace

frmData::frmData(Session& session, const Desktop& desktop, MainFrame& main, QWidget* parent)
    : QWidget(parent), m_session(session), m_desktop(desktop), m_main(main) {
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("Data Points"));
    setMouseTracking(true);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("GridData"));
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionsClickable(false);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    QFont gridFont = m_grid->font();
    gridFont.setPointSize(8);
    m_grid->setFont(gridFont);
    m_grid->horizontalHeader()->setFont(gridFont);
    // Rows of one height let the view skip measuring a million rows.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->viewport()->installEventFilter(this);
    ShowCurrentCurve();
    connect(&m_session, &Session::CurrentCurveChanged, this, &frmData::ShowCurrentCurve);
    connect(m_grid, &QTableView::pressed, this, [this](const QModelIndex& index) {
        if (!m_showingSelection) {
            m_row = m_rowSel = index.row();
            m_col = m_colSel = index.column();
            FollowViewSelection();
        }
    });

    CreateEditPanel();
    CreateSortPanel();
    CreateCurvePanel();
    m_label1 = new QSizeGrip(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
}

void frmData::CreateEditPanel() {
    m_frame1 = new QGroupBox(QStringLiteral("Edit Data Points"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(TwipsToPixels(4200), TwipsToPixels(60), TwipsToPixels(2700),
                          TwipsToPixels(2400));
    const auto addBox = [this](const char* name, const QString& caption, int top) {
        PanelLabel(caption, m_frame1, 120, top + 40);
        auto* box = new QLineEdit(m_frame1);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(TwipsToPixels(1380), TwipsToPixels(top), TwipsToPixels(1200),
                         TwipsToPixels(330));
        return box;
    };
    m_text1 = addBox("Text1", QStringLiteral("Point Number"), 300);
    m_txtXValue = addBox("TxtXValue", QStringLiteral("X Value"), 800);
    m_txtYValue = addBox("TxtYValue", QStringLiteral("Y Value"), 1300);
    m_cmdSetValues = new QPushButton(QStringLiteral("Set New Values"), m_frame1);
    m_cmdSetValues->setObjectName(QStringLiteral("cmdSetValues"));
    m_cmdSetValues->setGeometry(TwipsToPixels(1050), TwipsToPixels(1850), TwipsToPixels(1530),
                                TwipsToPixels(400));
    connect(m_text1, &QLineEdit::textChanged, this, &frmData::Text1_Change);
    connect(m_cmdSetValues, &QPushButton::clicked, this, &frmData::cmdSetValues_Click);
}

void frmData::CreateSortPanel() {
    m_frame2 = new QGroupBox(QStringLiteral("Sort Data"), this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(TwipsToPixels(4200), TwipsToPixels(2600), TwipsToPixels(2700),
                          TwipsToPixels(2300));
    m_optSortX = new QRadioButton(QStringLiteral("X Values"), m_frame2);
    m_optSortX->setObjectName(QStringLiteral("OptSortX"));
    m_optSortX->move(TwipsToPixels(150), TwipsToPixels(300));
    m_optSortX->setChecked(true);
    m_optSortY = new QRadioButton(QStringLiteral("Y Values"), m_frame2);
    m_optSortY->setObjectName(QStringLiteral("OptSortY"));
    m_optSortY->move(TwipsToPixels(150), TwipsToPixels(650));
    m_cmdSort = new QPushButton(QStringLiteral("&Sort"), m_frame2);
    m_cmdSort->setObjectName(QStringLiteral("cmdSort"));
    m_cmdSort->setGeometry(TwipsToPixels(1500), TwipsToPixels(350), TwipsToPixels(1080),
                           TwipsToPixels(500));
    m_label4 = new QLabel(
        QStringLiteral("Sort data grid into ascending numerical order based on X or Y "), m_frame2);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setWordWrap(true);
    m_label4->setGeometry(TwipsToPixels(150), TwipsToPixels(1100), TwipsToPixels(2400),
                          TwipsToPixels(1000));
    connect(m_cmdSort, &QPushButton::clicked, this, &frmData::cmdSort_Click);
}

void frmData::CreateCurvePanel() {
    m_curvePanel = new QWidget(this);
    m_curvePanel->setObjectName(QStringLiteral("CurvePanel"));
    auto* layout = new QGridLayout(m_curvePanel);
    layout->setContentsMargins(0, 0, 0, TwipsToPixels(30));
    layout->setSpacing(TwipsToPixels(45));
    m_cboCurve = new QComboBox(m_curvePanel);
    m_cboCurve->setObjectName(QStringLiteral("cboCurve"));
    m_cboCurve->setToolTip(QStringLiteral("The curve whose points the table shows"));
    m_cmdCurveColour = new QToolButton(m_curvePanel);
    m_cmdCurveColour->setObjectName(QStringLiteral("cmdCurveColour"));
    m_cmdCurveColour->setToolTip(QStringLiteral("The curve's colour: its markers, and what "
                                                "auto-read looks for"));
    m_chkCurveShown = new QCheckBox(QStringLiteral("Shown"), m_curvePanel);
    m_chkCurveShown->setObjectName(QStringLiteral("chkCurveShown"));
    m_chkCurveShown->setToolTip(QStringLiteral("Whether the curve's markers are drawn"));
    auto* newCurve = new QPushButton(QStringLiteral("New"), m_curvePanel);
    newCurve->setObjectName(QStringLiteral("cmdNewCurve"));
    auto* rename = new QPushButton(QStringLiteral("Rename"), m_curvePanel);
    rename->setObjectName(QStringLiteral("cmdRenameCurve"));
    auto* remove = new QPushButton(QStringLiteral("Delete"), m_curvePanel);
    remove->setObjectName(QStringLiteral("cmdDeleteCurve"));
    layout->addWidget(m_cboCurve, 0, 0, 1, 2);
    layout->addWidget(m_cmdCurveColour, 0, 2);
    layout->addWidget(m_chkCurveShown, 0, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(newCurve);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    layout->addLayout(buttons, 1, 0, 1, 4);
    layout->setColumnStretch(0, 1);
    connect(m_cboCurve, &QComboBox::activated, this,
            [this](int index) { m_session.SetCurrentCurve(index); });
    connect(newCurve, &QPushButton::clicked, this,
            [this] { m_main.RunMenuCommand("mnuDataNewCurve"); });
    connect(remove, &QPushButton::clicked, this,
            [this] { m_main.RunMenuCommand("mnuDataDeleteCurve"); });
    connect(m_cmdCurveColour, &QToolButton::clicked, this,
            [this] { m_main.RunMenuCommand("mnuDataCurveColour"); });
    connect(rename, &QPushButton::clicked, this, &frmData::cmdRenameCurve_Click);
    connect(m_chkCurveShown, &QCheckBox::toggled, this, [this](bool shown) {
        if (shown != m_session.CurrentCurve().shown) {
            const UndoStep step(m_session.History(), shown ? QStringLiteral("Show Curve")
                                                           : QStringLiteral("Hide Curve"));
            m_session.SetCurveShown(m_session.CurrentCurveIndex(), shown);
            m_main.RunMenuCommand("mnuViewRefresh");
        }
    });
    connect(&m_session, &Session::CurvesChanged, this, &frmData::ShowCurveList);
    connect(&m_session, &Session::CurrentCurveChanged, this, &frmData::ShowCurveList);
    ShowCurveList();
}

void frmData::ShowCurveList() {
    const QSignalBlocker quiet(m_cboCurve);
    m_cboCurve->clear();
    for (int index = 0; index < m_session.CurveCount(); ++index) {
        m_cboCurve->addItem(m_session.CurveAt(index).name);
    }
    m_cboCurve->setCurrentIndex(m_session.CurrentCurveIndex());
    const Curve& curve = m_session.CurrentCurve();
    QPixmap swatch(TwipsToPixels(180), TwipsToPixels(180));
    swatch.fill(MarkerColorOf(curve, m_session.settings).ToQColor());
    m_cmdCurveColour->setIcon(QIcon(swatch));
    const QSignalBlocker quietShown(m_chkCurveShown);
    m_chkCurveShown->setChecked(curve.shown);
}

void frmData::cmdRenameCurve_Click() {
    const UndoStep step(m_session.History(), QStringLiteral("Rename Curve"));
    const int index = m_session.CurrentCurveIndex();
    QString name = m_session.CurrentCurve().name;
    for (;;) {
        name = m_desktop.prompts.AskText(QStringLiteral("New name of the curve:"),
                                         QStringLiteral("Rename Curve"), name);
        if (name.isEmpty()) {
            return; // cancelled
        }
        const std::optional<QString> problem = m_session.CurveNameProblem(name, index);
        if (!problem) {
            m_session.RenameCurve(index, name);
            return;
        }
        m_desktop.prompts.ShowMessage(*problem, QStringLiteral("Rename Curve"),
                                      MessageIcon::Exclamation, MessageButtons::Ok);
    }
}

void frmData::ShowCurrentCurve() {
    std::array<int, DataTable::ColumnCount> widths{};
    if (m_table != nullptr) {
        disconnect(m_table, nullptr, this, nullptr);
        for (int column = 0; column < DataTable::ColumnCount; ++column) {
            widths[static_cast<std::size_t>(column)] = m_grid->columnWidth(column);
        }
    }
    m_table = &m_session.Table();
    m_grid->setModel(m_table);
    for (int column = 0; column < DataTable::ColumnCount && widths[0] > 0; ++column) {
        m_grid->setColumnWidth(column, widths[static_cast<std::size_t>(column)]);
    }
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmData::FollowViewSelection);
    connect(m_table, &DataTable::HeaderFrozenChanged, this, &frmData::ShowHeaderState);
    // Rows that go away take the current row and the selection end with them, as far as the
    // last row that is left.
    connect(m_table, &QAbstractItemModel::rowsRemoved, this, &frmData::KeepCellsInside);
    connect(m_table, &QAbstractItemModel::modelReset, this, [this] {
        KeepCellsInside();
        ShowHeaderState(m_table->HeaderFrozen());
    });
    m_row = m_rowSel = 0;
    m_col = m_colSel = 0;
    ShowHeaderState(m_table->HeaderFrozen());
}

void frmData::KeepCellsInside() {
    const int last = m_table->RowCount() - 1;
    m_row = std::min(m_row, last);
    m_rowSel = std::min(m_rowSel, last);
}

void frmData::Form_Load() {
    m_table->Clear();
    m_row = m_rowSel = m_col = m_colSel = 0;
    m_grid->setColumnWidth(0, TwipsToPixels(800));
    m_grid->setColumnWidth(1, TwipsToPixels(1600));
    m_grid->setColumnWidth(2, TwipsToPixels(1600));
    m_grid->setFixedWidth(TwipsToPixels(4100));
    // The window sits inside the frame, so its frame is what gets the designed size.
    FrameOf(*this).resize(
        TwipsToPixels(7110),
        std::max(TwipsToPixels(2000), ScreenGeometry().height() - TwipsToPixels(6000)));
}

void frmData::Form_Resize() {
    m_table->SetHeaderFrozen(false);
    // The curve selector stands above the grid, as wide as the grid.
    const int top = m_curvePanel->sizeHint().height();
    m_curvePanel->setGeometry(0, 0, m_grid->width(), top);
    m_grid->setGeometry(0, top, m_grid->width(),
                        std::max(0, FrameOf(*this).height() - TwipsToPixels(800) - top));
    const QSize grip = m_label1->sizeHint();
    m_label1->setGeometry(width() - grip.width() - TwipsToPixels(40),
                          height() - grip.height() - TwipsToPixels(40), grip.width(),
                          grip.height());
}

void frmData::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmData::mouseMoveEvent(QMouseEvent* event) {
    m_session.MouseOnPicture = false;
    QWidget::mouseMoveEvent(event);
}

void frmData::ShowHeaderState(bool frozen) {
    // A frozen header stays on top as the column titles; otherwise it is an ordinary row.
    m_grid->setRowHidden(0, frozen);
    m_grid->horizontalHeader()->setVisible(frozen);
}
