#pragma once

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class StatusPanels;

// The main frame "Kurvex 2016": an MDI area holding the picture and data windows, the menus
// and the status bar. Its public handlers are the program's commands; every menu item and
// every other window calls the same handler.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: prepares the data window, fills the default settings, shows the child windows
    // and puts the picture into the neutral frame.
    void Form_Load();

    // Puts a child window into the MDI area, without a Close command of its own.
    QMdiSubWindow* AddChildWindow(QWidget* child);
    void ActivateChildWindow(QWidget* child);

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);
    StatusPanels& Panels() { return *m_panels; }

    // The Data menu stays disabled until the first picture arrives.
    void EnableDataMenu();

    // Clears the scale check mark, ends scale mode and applies the calibration.
    void LeaveScaleMode();

    void mnuFileExit_Click();
    void mnuDataRemoveSelected_Click();
    void mnuViewImageToolbar_Click();
    void mnuViewRefresh_Click();
    void mnuPictureScale_Click();
    void mnuPictureResetScale_Click();
    void mnuViewZoom_Click();
    void mnuViewSteps_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {}, bool checkable = false);
    void ConnectToggle(QAction* action, void (frmMain::*handler)());
    void CloseSequence();
    bool DataWindowIsActive() const;

    QMdiArea* m_mdiArea = nullptr;
    StatusPanels* m_panels = nullptr;
    QMenu* m_mnuData = nullptr;
    QAction* m_mnuPictureScale = nullptr;
    QAction* m_mnuViewZoom = nullptr;
    QAction* m_mnuViewSteps = nullptr;
    QAction* m_mnuViewImageToolbar = nullptr;
    bool m_closing = false;
};
