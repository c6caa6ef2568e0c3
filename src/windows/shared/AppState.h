#pragma once

#include "project/RecentProjects.h"
#include "session/Session.h"

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class Prompts;
class Clock;
class SoundPlayer;
class Shell;
class ScreenSource;
class ScannerService;
class frmMain;
class frmDocument;
class frmData;
class frmZoom;
class frmOptions;
class frmTip;
class frmSplash;

// The desktop services the program uses; the real program hands in Qt's, tests hand in fakes.
struct Platform {
    std::unique_ptr<Prompts> prompts;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<ScreenSource> screen;
    std::unique_ptr<ScannerService> scanner;
};

// The one record every window shares: settings, calibration, working flags, the desktop
// services and the single instance of each window. A window is created the first time it is
// asked for. Creating an AppState makes it the current one (see App()); a test makes a fresh
// one per test.
class AppState {
public:
    explicit AppState(Platform platform);
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The session the windows show; declared first, as the names below refer into it.
    Session session;
    Settings& settings = session.settings;
    bool& ScaleModeOn = session.ScaleModeOn;
    bool& PickColorMode = session.PickColorMode;
    bool& MouseOnPicture = session.MouseOnPicture;
    QString& DataFileName = session.DataFileName;
    int& DataFileType = session.DataFileType;
    bool& DataFileNameFromProject = session.DataFileNameFromProject;
    CalibrationRecord& calibration = session.calibration;
    std::optional<QPointF>& SnapPreview = session.SnapPreview;
    QString MsgText;

    Prompts& prompts() { return *m_platform.prompts; }
    Clock& clock() { return *m_platform.clock; }
    SoundPlayer& sound() { return *m_platform.sound; }
    Shell& shell() { return *m_platform.shell; }
    ScreenSource& screen() { return *m_platform.screen; }
    ScannerService& scanner() { return *m_platform.scanner; }

    frmMain& MainForm();
    frmDocument& Document();
    frmData& Data();
    frmZoom& Zoom();
    frmOptions& Options();
    frmTip& Tip();
    frmSplash& Splash();

    bool SplashLoaded() const { return !m_splash.isNull(); }
    void UnloadSplash();
    bool TipLoaded() const { return !m_tip.isNull(); }
    frmZoom* ZoomIfLoaded() const;
    // The separate windows that exist now (zoom, options, guide), without creating any.
    QList<QWidget*> LoadedToolWindows() const;

    // The program's help, opened by Help > Contents and Search; empty means none.
    QString HelpFile = QStringLiteral(":/help/index.html");
    // The settings file of the recent-projects list; empty keeps no list.
    QString RecentProjectsSettings = RecentProjectsFile();

private:
    Platform m_platform;
    QPointer<frmMain> m_main;
    QPointer<frmDocument> m_document;
    QPointer<frmData> m_data;
    QPointer<frmZoom> m_zoom;
    QPointer<frmOptions> m_options;
    QPointer<frmTip> m_tip;
    QPointer<frmSplash> m_splash;
};

// The current application state.
AppState& App();
