#pragma once

#include "platform/Desktop.h"
#include "session/Session.h"
#include "windows/shared/WindowSet.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <memory>

class Prompts;
class Clock;
class SoundPlayer;
class Shell;
class ScreenSource;
class ScannerService;
class frmMain;
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

// The program put together: one session, the desktop services, and the windows, each made the
// first time it is asked for and handed the session, the services and the main window it
// works with.
class AppState final : public WindowSet {
public:
    explicit AppState(Platform platform);
    ~AppState() override;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    Session session;

    Prompts& prompts() { return *m_platform.prompts; }
    Clock& clock() { return *m_platform.clock; }
    SoundPlayer& sound() { return *m_platform.sound; }
    Shell& shell() { return *m_platform.shell; }
    ScreenSource& screen() { return *m_platform.screen; }
    ScannerService& scanner() { return *m_platform.scanner; }
    const Desktop& desktop() const { return m_desktop; }

    frmMain& MainForm();
    frmDocument& Document() override;
    frmData& Data() override;
    frmZoom& Zoom() override;
    frmOptions& Options() override;
    frmTip& Tip() override;
    frmSplash& Splash();

    bool SplashLoaded() const { return !m_splash.isNull(); }
    void UnloadSplash() override;
    bool TipLoaded() const { return !m_tip.isNull(); }
    frmZoom* ZoomIfLoaded() const;
    QList<QWidget*> LoadedToolWindows() const override;

    QString HelpFile() const override { return helpFile; }
    QString RecentProjectsSettings() const override { return recentProjectsSettings; }

    // The program's help; empty means none.
    QString helpFile = QStringLiteral(":/help/index.html");
    // The settings file of the recent-projects list; empty keeps no list.
    QString recentProjectsSettings;

private:
    // The magnifier refreshes when the picture is painted, once both windows exist.
    void ConnectZoomToDocument();
    // The options take the auto-read colour from a click on the picture, once both exist.
    void ConnectOptionsToDocument();

    Platform m_platform;
    Desktop m_desktop;
    QPointer<frmMain> m_main;
    QPointer<frmDocument> m_document;
    QPointer<frmData> m_data;
    QPointer<frmZoom> m_zoom;
    QPointer<frmOptions> m_options;
    QPointer<frmTip> m_tip;
    QPointer<frmSplash> m_splash;
};
