#include "windows/main/frmMain.h"

#include "windows/main/StatusPanels.h"
#include "windows/shared/AppState.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

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

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kurvex 2016"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("MDIArea"));
    m_mdiArea->viewport()->setMouseTracking(true);
    m_mdiArea->viewport()->installEventFilter(this);
    setCentralWidget(m_mdiArea);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->setSizeGripEnabled(true);
    m_panels = new StatusPanels(*statusBar());
    Session& session = App().session;
    for (int panel = 1; panel <= Session::StatusTextCount; ++panel) {
        m_panels->SetText(panel, session.StatusText(panel));
    }
    connect(&session, &Session::StatusTextChanged, m_panels, &StatusPanels::SetText);
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
        App().session.SetStatusText(panel, text);
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
    App().MouseOnPicture = false;
    QMainWindow::mouseMoveEvent(event);
}
