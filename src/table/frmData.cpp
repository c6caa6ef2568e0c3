#include "table/frmData.h"

#include "core/Twips.h"
#include "table/DataTable.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

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
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTextElideMode(Qt::ElideNone);
    QFont gridFont = m_grid->font();
    gridFont.setPointSize(8);
    m_grid->setFont(gridFont);
    // Rows of one height let the view skip measuring a million rows.
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid, 0, Qt::AlignLeft);
}

void frmData::Form_Load() {
    m_table->Clear();
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
