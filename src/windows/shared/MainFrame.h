#pragma once

#include <QPoint>
#include <QString>

class CommonDialog;
class QProgressBar;
class QWidget;

// What the other windows ask of the main window: its commands, its status line, its progress
// bar and its shared file dialog. The main window is the one that implements it.
class MainFrame {
public:
    virtual ~MainFrame() = default;

    // Runs the command of a menu item (named as the item's objectName), as the menu would.
    virtual void RunMenuCommand(const char* itemName) = 0;
    virtual bool MenuItemChecked(const char* itemName) const = 0;
    virtual void PopUpMenuAt(QPoint globalPosition) = 0;
    // Opens a picture file as Import does after its dialog.
    virtual bool ImportPictureFile(const QString& path) = 0;
    // Clears the scale check mark, ends scale mode and applies the calibration.
    virtual void LeaveScaleMode() = 0;
    // Data > Save and Save As; true when the table was written.
    virtual bool SaveTable() = 0;
    virtual bool SaveTableAs() = 0;
    // Data > Export All Curves; true when the file was written.
    virtual bool ExportAllCurves() = 0;
    // Takes the last point of the table back, as Escape on the picture does.
    virtual void RemoveLastPoint() = 0;
    virtual void ShowStatusMessage(const QString& text, int milliseconds) = 0;
    virtual QProgressBar& ProgressBar() = 0;
    virtual CommonDialog& CMDialog() = 0;
    // The main window itself, for windows that place themselves by it or follow its state.
    virtual QWidget& Window() = 0;
};
