#pragma once

#include "platform/Desktop.h"
#include "windows/shared/CommonDialog.h"
#include "windows/shared/MainFrame.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class frmCaptureNew;
class HelpWindow;
struct LoadedPicture;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QProgressBar;
class QToolBar;
class Session;
class StatusPanels;
class WindowSet;
enum class WriteMode;

// The main frame "Kurvex 2016": an MDI area holding the picture and data windows, the menus,
// the toolbar, the progress bar and the status bar. Its public handlers are the program's
// commands; every menu item, toolbar button, pop-up item and other window calls the same
// handler (see CommandTable).
class frmMain : public QMainWindow, public MainFrame {
    Q_OBJECT
public:
    frmMain(Session& session, const Desktop& desktop, WindowSet& windows,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // Start-up: prepares the data window, fills the default settings, shows the child windows
    // and puts the picture into the neutral frame.
    void Form_Load();

    // Puts a child window into the MDI area, without a Close command of its own.
    QMdiSubWindow* AddChildWindow(QWidget* child);
    void ActivateChildWindow(QWidget* child);
    // Once the frame is on the screen: the options, magnifier and guide stay in front of it.
    void KeepToolWindowsInFront();

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);
    StatusPanels& Panels() { return *m_panels; }
    QProgressBar& ProgressBar() override { return *m_progressBar; }
    QToolBar& tbToolBar() { return *m_toolBar; }
    QMenu& mnuPopUpMenu() { return *m_menus.at("mnuPopUpMenu"); }
    QAction& Item(const char* name) const { return *m_items.at(name); }
    // The shared file dialog of the data-file and picture commands.
    CommonDialog& CMDialog() override { return m_cmDialog; }

    void RunMenuCommand(const char* itemName) override;
    bool MenuItemChecked(const char* itemName) const override;
    void PopUpMenuAt(QPoint globalPosition) override;
    void RemoveLastPoint() override;
    bool SaveTable() override { return mnuDataSave_Click(); }
    bool SaveTableAs() override { return mnuDataSaveAs_Click(); }
    bool ExportAllCurves() override { return mnuDataExportAll_Click(); }
    void ShowStatusMessage(const QString& text, int milliseconds) override;
    QWidget& Window() override { return *this; }

    // The Data menu stays disabled until the first picture arrives.
    void EnableDataMenu();
    // Clears the scale check mark, ends scale mode and applies the calibration.
    void LeaveScaleMode() override;
    // The toolbar's click: runs the command of a key, compared exactly; other keys do nothing.
    void tbToolBar_ButtonClick(const QString& key);
    // The tooltip of the toolbar button under a position of the toolbar, or empty text.
    QString ButtonTip(float x, float y) const;

    void mnuFileNew_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuFileOpenProject_Click();
    // The project commands report whether the project was written.
    bool mnuFileSaveProject_Click();
    bool mnuFileSaveProjectAs_Click();
    // Makes the session the one kept in a project file (offering first to save what would be
    // lost); false, changing nothing, when it cannot be read or the user stays.
    bool OpenProjectFile(const QString& path);
    bool SaveProjectTo(const QString& path);
    // The project file the session was opened from or last saved to; empty for none.
    const QString& ProjectPath() const;
    // Whether the session differs from its project file as last opened or saved.
    bool ProjectChanged() const;
    void mnuViewOptions_Click();
    void mnuFilePrint_Click();
    // Prints the visible part of the data grid on a printer; false when it failed (the user
    // has been told).
    bool PrintTable(QPrinter& printer);
    void mnuFileExit_Click();

    void mnuPictureScale_Click();
    void mnuPictureResetScale_Click();
    void mnuPictureAutoScale_Click();
    void mnuPictureImport_Click();
    // Opens a picture file as a new document, as Import does after its dialog; also used for
    // a file dropped on the picture window or named on the command line.
    bool ImportPictureFile(const QString& path) override;
    // The second half of an import: a decoded picture takes the place of the old one.
    void TakeImportedPicture(const QString& path, const LoadedPicture& loaded);
    void mnuPicturePaste_Click();
    void mnuPictureCapture_Click();
    void mnuPictureScanner_Click();
    void mnuPictureCopy_Click();

    void mnuDataAR_Click();
    void mnuDataSpline_Click();
    void mnuDataReadCurve_Click();
    void mnuDataFindCurves_Click();
    // The file commands report whether the table was written.
    bool mnuDataSave_Click();
    bool mnuDataSaveAs_Click();
    bool mnuDataAppendTo_Click();
    void mnuDataCopy_Click();
    void mnuDataRemoveSelected_Click();
    void mnuDataRemoveAll_Click();
    void mnuDataRemoveRepeated_Click();
    void mnuDataSortX_Click();
    void mnuDataSortY_Click();

    // Curves: each series of the plot with its own table; the commands above work on the
    // current one.
    void mnuDataNewCurve_Click();
    void mnuDataNextCurve_Click();
    void mnuDataPreviousCurve_Click();
    void mnuDataDeleteCurve_Click();
    void mnuDataCurveColour_Click();
    // Every curve's points in one CSV file; false when none was written.
    bool mnuDataExportAll_Click();
    void mnuDataCopyAll_Click();

    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewImageToolbar_Click();
    void mnuViewZoom_Click();
    void mnuViewSteps_Click();
    void mnuViewRefresh_Click();
    // Shows or hides the calibration grid over the picture.
    void mnuViewCalibrationGrid_Click();

    void mnuWindowDefault_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();

    void mnuHelpContents_Click();
    void mnuHelpWin7_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Session& m_session;
    Desktop m_desktop;
    WindowSet& m_windows;
    void CreateMenus();
    // The Edit menu names the steps Undo and Redo would take.
    void ShowUndoNames();
    void CreateToolbar();
    void CreateProgressBar();
    void FillWindowList();
    void FillRecentProjects();
    // Offers to save a changed project; false when the user stays.
    bool QuerySaveProject();
    void KeepProjectPath(const QString& path);
    bool CloseSequence();
    // The zoom and options windows at their default places.
    void PlaceToolWindows();
    bool WriteTable(WriteMode mode);
    // Asks before a file that exists is written over; true when it may be (or does not exist).
    bool MayOverwrite(const QString& path);
    // Save As with the dialog showing proposedName (empty: no name).
    bool SaveDataAs(const QString& proposedName);
    // The session belongs to no project file any more: the next Save Project asks for a name.
    void ForgetProjectPath();
    bool DataWindowIsActive() const;
    void OpenHelp(bool search);
    // Flips the check mark of a bar toggle and the bar's visibility with it.
    void ToggleBar(const char* itemName, QWidget& bar);

    QMdiArea* m_mdiArea = nullptr;
    StatusPanels* m_panels = nullptr;
    QToolBar* m_toolBar = nullptr;
    QProgressBar* m_progressBar = nullptr;
    std::map<std::string, QMenu*> m_menus;
    std::map<std::string, QAction*> m_items;
    CommonDialog m_cmDialog;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<frmCaptureNew> m_capture;
    bool m_closing = false;
};
