#include "mainwindow/frmMain.h"

#include "mainwindow/StatusPanels.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace {

// A child window of the frame that the user cannot close on its own: no Close button, no
// Close in its system menu, and a close request is refused.
class FixedChildWindow : public QMdiSubWindow {
public:
    static constexpr Qt::WindowFlags Flags =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;

    explicit FixedChildWindow(QWidget* parent = nullptr) : QMdiSubWindow(parent, Flags) {
        if (QMenu* menu = systemMenu()) {
            for (QAction* action : menu->actions()) {
                if (action->shortcut() == QKeySequence::Close ||
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
    setCentralWidget(m_mdiArea);
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    statusBar()->setSizeGripEnabled(true);
    m_panels = new StatusPanels(*statusBar());
    CreateMenus();
}

frmMain::~frmMain() = default;

QAction* frmMain::AddAction(QMenu* menu, const char* name, const QString& caption,
                            const QKeySequence& shortcut, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setCheckable(checkable);
    return action;
}

void frmMain::ConnectToggle(QAction* action, void (frmMain::*handler)()) {
    // The handler sets the check mark itself from the mark it finds, so undo Qt's own toggle
    // before calling it.
    connect(action, &QAction::triggered, this, [this, action, handler] {
        action->setChecked(!action->isChecked());
        (this->*handler)();
    });
}

void frmMain::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddAction(file, "mnuFileExit", QStringLiteral("E&xit")), &QAction::triggered, this,
            &frmMain::mnuFileExit_Click);

    QMenu* picture = menuBar()->addMenu(QStringLiteral("&Picture"));
    picture->setObjectName(QStringLiteral("mnuPicture"));
    m_mnuPictureScale = AddAction(picture, "mnuPictureScale", QStringLiteral("&Scale"),
                                  QKeySequence(Qt::CTRL | Qt::Key_M), true);
    ConnectToggle(m_mnuPictureScale, &frmMain::mnuPictureScale_Click);
    connect(AddAction(picture, "mnuPictureResetScale", QStringLiteral("&Reset Scale")),
            &QAction::triggered, this, &frmMain::mnuPictureResetScale_Click);

    m_mnuData = menuBar()->addMenu(QStringLiteral("&Data"));
    m_mnuData->setObjectName(QStringLiteral("mnuData"));
    m_mnuData->setEnabled(false);
    QMenu* remove = m_mnuData->addMenu(QStringLiteral("&Remove"));
    remove->setObjectName(QStringLiteral("mnuDataRemove"));
    connect(AddAction(remove, "mnuDataRemoveSelected", QStringLiteral("Selected Values")),
            &QAction::triggered, this, &frmMain::mnuDataRemoveSelected_Click);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_mnuViewImageToolbar =
        AddAction(view, "mnuViewImageToolbar", QStringLiteral("&Image Toolbar"), {}, true);
    m_mnuViewImageToolbar->setChecked(true);
    ConnectToggle(m_mnuViewImageToolbar, &frmMain::mnuViewImageToolbar_Click);
    view->addSeparator()->setObjectName(QStringLiteral("mnuViewBar2"));
    m_mnuViewZoom = AddAction(view, "mnuViewZoom", QStringLiteral("&Zoom "),
                              QKeySequence(Qt::CTRL | Qt::Key_Z), true);
    ConnectToggle(m_mnuViewZoom, &frmMain::mnuViewZoom_Click);
    m_mnuViewSteps = AddAction(view, "mnuViewSteps", QStringLiteral("&Guide"),
                               QKeySequence(Qt::CTRL | Qt::Key_G), true);
    ConnectToggle(m_mnuViewSteps, &frmMain::mnuViewSteps_Click);
    connect(AddAction(view, "mnuViewRefresh", QStringLiteral("&Refresh")), &QAction::triggered,
            this, &frmMain::mnuViewRefresh_Click);
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
    m_panels->SetText(panel, text);
}

void frmMain::EnableDataMenu() {
    m_mnuData->setEnabled(true);
}

void frmMain::mnuFileExit_Click() {
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_closing) {
        m_closing = true;
        CloseSequence();
    }
    event->accept();
}
