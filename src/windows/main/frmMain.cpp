#include "windows/main/frmMain.h"

#include "session/Session.h"
#include "session/UndoHistory.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/main/CommandTable.h"
#include "windows/main/StatusPanels.h"
#include "windows/shared/WindowSet.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>

#include <QToolBar>
#include <optional>

namespace {

// A child window of the frame that the user cannot close on its own: no Close button, no
// Close in its system menu, and a close request is refused.
class FixedChildWindow : public QMdiSubWindow {
public:
    static constexpr Qt::WindowFlags Flags =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;

    FixedChildWindow() {
        if (QMenu* menu = systemMenu()) {
            for (QAction* action : menu->actions()) {
                if (action->shortcut() == QKeySequence(QKeySequence::Close) ||
                    action->text().contains(QStringLiteral("Close"), Qt::CaseInsensitive)) {
                    menu->removeAction(action);
                }
            }
        }
    }

protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

} // namespace

frmMain::frmMain(Session& session, const Desktop& desktop, WindowSet& windows, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_desktop(desktop), m_windows(windows) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kurvex 2016"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MDIArea"));
    m_mdiArea->viewport()->setMouseTracking(true);
    m_mdiArea->viewport()->installEventFilter(this);
    setCentralWidget(m_mdiArea);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->setSizeGripEnabled(true);
    m_panels = new StatusPanels(*statusBar(), m_desktop.clock);
    for (int panel = 1; panel <= Session::StatusTextCount; ++panel) {
        m_panels->SetText(panel, m_session.StatusText(panel));
    }
    connect(&m_session, &Session::StatusTextChanged, m_panels, &StatusPanels::SetText);
    CreateMenus();
    CreateToolbar();
    CreateProgressBar();
}

frmMain::~frmMain() = default;

void frmMain::CreateProgressBar() {
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->setTextVisible(false);
    m_progressBar->setMaximumHeight(16);
    statusBar()->addPermanentWidget(m_progressBar);
    m_progressBar->hide();
}

QMdiSubWindow* frmMain::AddChildWindow(QWidget* child) {
    auto* window = new FixedChildWindow;
    window->setWidget(child);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_mdiArea->addSubWindow(window);
    // Adding a window gives it the area's default frame; take the Close button off again.
    window->setWindowFlags(FixedChildWindow::Flags);
    return window;
}

void frmMain::ActivateChildWindow(QWidget* child) {
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (window->widget() == child) {
            m_mdiArea->setActiveSubWindow(window);
        }
    }
}

QString frmMain::PanelText(int panel) const {
    return m_panels->Text(panel);
}

void frmMain::SetPanelText(int panel, const QString& text) {
    if (panel <= Session::StatusTextCount) {
        m_session.SetStatusText(panel, text);
    } else {
        m_panels->SetText(panel, text);
    }
}

void frmMain::EnableDataMenu() {
    QMenu* data = m_menus.at("mnuData");
    data->setEnabled(true);
    for (QAction* action : data->actions()) {
        action->setEnabled(true);
    }
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_closing) {
        m_closing = true;
        if (!CloseSequence()) {
            m_closing = false;
            event->ignore();
            return;
        }
    }
    event->accept();
}

void frmMain::mouseMoveEvent(QMouseEvent* event) {
    m_session.MouseOnPicture = false;
    QMainWindow::mouseMoveEvent(event);
}

void frmMain::RunMenuCommand(const char* itemName) {
    if (const Command command = MenuCommand(itemName)) {
        const QString name = StepName(itemName);
        std::optional<UndoStep> step;
        if (!name.isEmpty()) {
            step.emplace(m_session.History(), name);
        }
        command(*this);
    }
}

bool frmMain::MenuItemChecked(const char* itemName) const {
    return Item(itemName).isChecked();
}

void frmMain::PopUpMenuAt(QPoint globalPosition) {
    mnuPopUpMenu().popup(globalPosition);
}

void frmMain::RemoveLastPoint() {
    const UndoStep step(m_session.History(), QStringLiteral("Remove Last Point"));
    frmData& data = m_windows.Data();
    const int lastRow = data.Table().RowCount() - 1;
    data.SetRow(lastRow);
    data.SetRowSel(lastRow);
    mnuDataRemoveSelected_Click();
}

void frmMain::ShowStatusMessage(const QString& text, int milliseconds) {
    statusBar()->showMessage(text, milliseconds);
}
