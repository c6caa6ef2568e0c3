// Builds the menus, the pop-up menu and the toolbar from the command table.

#include "windows/main/frmMain.h"

#include "layout/ButtonTip.h"
#include "session/Session.h"
#include "session/UndoHistory.h"
#include "windows/main/CommandTable.h"
#include "windows/main/StatusPanels.h"
#include "windows/main/ToolbarIcons.h"
#include "windows/shared/ErrorReport.h"
#include "windows/shared/WindowSet.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>

#include <vector>

void frmMain::CreateMenus() {
    for (const TopMenu& top : TopMenus()) {
        QMenu* menu = top.inMenuBar ? menuBar()->addMenu(QString::fromUtf8(top.caption))
                                    : new QMenu(QString::fromUtf8(top.caption), this);
        menu->setObjectName(QString::fromLatin1(top.name));
        m_menus[top.name] = menu;
    }
    for (const MenuEntry& entry : MenuEntries()) {
        QMenu* parent = m_menus.at(entry.parent);
        const QString caption = QString::fromUtf8(entry.caption);
        if (entry.kind == EntryKind::Separator) {
            parent->addSeparator()->setObjectName(QString::fromLatin1(entry.name));
            continue;
        }
        if (entry.kind == EntryKind::Submenu) {
            QMenu* submenu = parent->addMenu(caption);
            submenu->setObjectName(QString::fromLatin1(entry.name));
            m_menus[entry.name] = submenu;
            continue;
        }
        QAction* action = parent->addAction(caption);
        action->setObjectName(QString::fromLatin1(entry.name));
        if (entry.shortcut != nullptr) {
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        }
        action->setCheckable(entry.checkable);
        action->setChecked(entry.checked);
        const char* item = entry.name;
        connect(action, &QAction::triggered, this, [this, action, item] {
            // A handler sets a check mark itself from the mark it finds, so Qt's own toggle
            // is undone first.
            if (action->isCheckable()) {
                action->setChecked(!action->isChecked());
            }
            RunCommand(m_session, m_desktop.prompts, [this, item] { RunMenuCommand(item); });
        });
        m_items[entry.name] = action;
    }
    // The Data menu and its items wait for the first picture.
    m_menus.at("mnuData")->setEnabled(false);
    for (QAction* action : m_menus.at("mnuData")->actions()) {
        action->setEnabled(false);
    }
    connect(&m_session.History(), &UndoHistory::Changed, this, &frmMain::ShowUndoNames);
    ShowUndoNames();
    connect(m_menus.at("mnuWindow"), &QMenu::aboutToShow, this, &frmMain::FillWindowList);
    connect(m_menus.at("mnuFile"), &QMenu::aboutToShow, this, &frmMain::FillRecentProjects);
}

void frmMain::ShowUndoNames() {
    const UndoHistory& history = m_session.History();
    QAction& undo = Item("mnuEditUndo");
    undo.setText(history.CanUndo() ? QStringLiteral("&Undo ") + history.UndoName()
                                   : QStringLiteral("&Undo"));
    undo.setEnabled(history.CanUndo());
    QAction& redo = Item("mnuEditRedo");
    redo.setText(history.CanRedo() ? QStringLiteral("&Redo ") + history.RedoName()
                                   : QStringLiteral("&Redo"));
    redo.setEnabled(history.CanRedo());
}

void frmMain::FillWindowList() {
    QMenu* menu = m_menus.at("mnuWindow");
    for (QAction* action : menu->actions()) {
        if (action->property("windowListEntry").toBool()) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    const auto windows = m_mdiArea->subWindowList();
    if (windows.isEmpty()) {
        return;
    }
    QAction* separator = menu->addSeparator();
    separator->setProperty("windowListEntry", true);
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(
            window->widget() != nullptr ? window->widget()->windowTitle() : window->windowTitle()));
        action->setProperty("windowListEntry", true);
        action->setCheckable(true);
        action->setChecked(window == m_mdiArea->currentSubWindow());
        connect(action, &QAction::triggered, this,
                [this, window] { m_mdiArea->setActiveSubWindow(window); });
    }
}

void frmMain::CreateToolbar() {
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    for (const ToolbarEntry& entry : ToolbarEntries()) {
        if (entry.key == nullptr) {
            m_toolBar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(entry.key);
        QAction* button = m_toolBar->addAction(ToolbarIcon(key), key);
        button->setObjectName(QStringLiteral("tbButton") + key);
        button->setData(key);
        button->setToolTip(QString::fromLatin1(entry.toolTip));
        connect(button, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    m_toolBar->setMouseTracking(true);
    m_toolBar->installEventFilter(this);
    for (QWidget* child : m_toolBar->findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    const QByteArray latin = key.toLatin1();
    if (const char* item = ToolbarItem(latin.constData())) {
        RunCommand(m_session, m_desktop.prompts, [this, item] { RunMenuCommand(item); });
    }
}

QString frmMain::ButtonTip(float x, float y) const {
    std::vector<ToolbarSpan> entries;
    for (QAction* action : m_toolBar->actions()) {
        const QWidget* widget = m_toolBar->widgetForAction(action);
        if (widget == nullptr || !widget->isVisible()) {
            continue;
        }
        entries.push_back({static_cast<float>(widget->x()), static_cast<float>(widget->width()),
                           action->isSeparator() ? QString() : action->toolTip()});
    }
    return ::ButtonTip(x, y, entries);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == m_mdiArea->viewport()) {
            m_session.MouseOnPicture = false;
        } else if (auto* widget = qobject_cast<QWidget*>(watched);
                   widget != nullptr && (widget == m_toolBar || m_toolBar->isAncestorOf(widget))) {
            m_session.MouseOnPicture = false;
            const QPointF inToolbar = widget->mapTo(m_toolBar, mouse->position());
            SetPanelText(
                7, ButtonTip(static_cast<float>(inToolbar.x()), static_cast<float>(inToolbar.y())));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
