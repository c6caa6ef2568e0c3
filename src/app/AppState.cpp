#include "app/AppState.h"

#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/ScannerService.h"
#include "platform/ScreenSource.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "project/RecentProjects.h"
#include "windows/data/frmData.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmSplash.h"
#include "windows/info/frmTip.h"
#include "windows/main/ProgramApplication.h"
#include "windows/main/frmMain.h"
#include "windows/options/frmOptions.h"
#include "windows/shared/ErrorReport.h"
#include "windows/zoom/frmZoom.h"

namespace {

Desktop DesktopOf(const Platform& platform) {
    Q_ASSERT(platform.prompts && platform.clock && platform.sound && platform.shell &&
             platform.screen && platform.scanner);
    return {*platform.prompts, *platform.clock,  *platform.sound,
            *platform.shell,   *platform.screen, *platform.scanner};
}

ProgramApplication* Application() {
    return qobject_cast<ProgramApplication*>(QCoreApplication::instance());
}

} // namespace

AppState::AppState(Platform platform)
    : recentProjectsSettings(RecentProjectsFile()), m_platform(std::move(platform)),
      m_desktop(DesktopOf(m_platform)) {
    // An error no command caught still ends in the error box, never in the end of the program.
    if (ProgramApplication* application = Application()) {
        application->SetErrorReport(
            [this](const AppError& error) { ShowErrorReport(session, prompts(), error); });
    }
}

AppState::~AppState() {
    if (ProgramApplication* application = Application()) {
        application->SetErrorReport({});
    }
    delete m_splash.data();
    delete m_tip.data();
    delete m_options.data();
    delete m_zoom.data();
    // The main window owns the picture and data windows.
    delete m_main.data();
}

frmMain& AppState::MainForm() {
    if (!m_main) {
        m_main = new frmMain(session, m_desktop, *this);
    }
    return *m_main;
}

frmDocument& AppState::Document() {
    if (!m_document) {
        m_document = new frmDocument(session, m_desktop, MainForm());
        MainForm().AddChildWindow(m_document);
        ConnectZoomToDocument();
        ConnectOptionsToDocument();
    }
    return *m_document;
}

frmData& AppState::Data() {
    if (!m_data) {
        m_data = new frmData(session, m_desktop, MainForm());
        MainForm().AddChildWindow(m_data);
    }
    return *m_data;
}

// The magnifier, the options and the guide belong to the main window, so that the window
// manager keeps them in front of it and takes them away with it.
frmZoom& AppState::Zoom() {
    if (!m_zoom) {
        m_zoom = new frmZoom(session, m_desktop, MainForm(), &MainForm());
        ConnectZoomToDocument();
    }
    return *m_zoom;
}

void AppState::ConnectZoomToDocument() {
    if (m_zoom && m_document) {
        // A marker drawn under a resting pointer shows in the magnifier at once.
        QObject::connect(m_document, &frmDocument::PicturePainted, m_zoom,
                         &frmZoom::ScreenMayHaveChanged, Qt::UniqueConnection);
    }
}

frmOptions& AppState::Options() {
    if (!m_options) {
        m_options = new frmOptions(session, m_desktop, MainForm(), &MainForm());
        ConnectOptionsToDocument();
    }
    return *m_options;
}

void AppState::ConnectOptionsToDocument() {
    if (!m_options || !m_document) {
        return;
    }
    // A click on the picture while the options wait for it picks the auto-read colour.
    frmOptions* options = m_options;
    QObject::connect(m_document, &frmDocument::ColorPointed, options,
                     &frmOptions::SetDataColorSample);
    QObject::connect(m_document, &frmDocument::ColorPicked, options, [options](int color) {
        options->SetDataColorSample(color);
        options->cmdARColorTolerance_Change();
        options->cmdApply_Click();
    });
}

frmTip& AppState::Tip() {
    if (!m_tip) {
        m_tip = new frmTip(MainForm(), Document(), &MainForm());
        m_tip->ShowReferenceFitReport(Document().LastReferenceFitReport());
        QObject::connect(&Document(), &frmDocument::ReferenceFitReported, m_tip,
                         &frmTip::ShowReferenceFitReport);
    }
    return *m_tip;
}

frmSplash& AppState::Splash() {
    if (!m_splash) {
        m_splash = new frmSplash(clock());
    }
    return *m_splash;
}

void AppState::UnloadSplash() {
    delete m_splash.data();
}

QList<QWidget*> AppState::LoadedToolWindows() const {
    QList<QWidget*> windows;
    for (QWidget* window :
         {static_cast<QWidget*>(m_zoom.data()), static_cast<QWidget*>(m_options.data()),
          static_cast<QWidget*>(m_tip.data())}) {
        if (window != nullptr) {
            windows << window;
        }
    }
    return windows;
}

frmZoom* AppState::ZoomIfLoaded() const {
    return m_zoom.data();
}
