#pragma once

#include <QList>
#include <QString>

class QWidget;
class frmData;
class frmDocument;
class frmOptions;
class frmTip;
class frmZoom;

// The main window's view of the program's other windows and of the files it was set up with,
// as the program's assembly makes them. A window is made the first time it is asked for.
class WindowSet {
public:
    virtual ~WindowSet() = default;

    virtual frmDocument& Document() = 0;
    virtual frmData& Data() = 0;
    virtual frmZoom& Zoom() = 0;
    virtual frmOptions& Options() = 0;
    virtual frmTip& Tip() = 0;
    // The separate windows that exist now (magnifier, options, guide), without making any.
    virtual QList<QWidget*> LoadedToolWindows() const = 0;
    virtual void UnloadSplash() = 0;

    // The program's help, opened by Help > Contents and Search; empty means none.
    virtual QString HelpFile() const = 0;
    // The settings file of the recent-projects list; empty keeps no list.
    virtual QString RecentProjectsSettings() const = 0;
};
