#include "windows/shared/AppState.h"

#include "platform/Clock.h"
#include "platform/Prompts.h"
#include "platform/ScannerService.h"
#include "platform/ScreenSource.h"
#include "platform/Shell.h"
#include "platform/SoundPlayer.h"
#include "windows/data/frmData.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmSplash.h"
#include "windows/info/frmTip.h"
#include "windows/main/frmMain.h"
#include "windows/options/frmOptions.h"
#include "windows/zoom/frmZoom.h"

namespace {
AppState* current = nullptr;
}

AppState::AppState(Platform platform) : m_platform(std::move(platform)) {
    Q_ASSERT(m_platform.prompts && m_platform.clock && m_platform.sound && m_platform.shell &&
             m_platform.screen && m_platform.scanner);
    current = this;
}

AppState::~AppState() {
    delete m_splash.data();
    delete m_tip.data();
    delete m_options.data();
    delete m_zoom.data();
    // The main window owns the picture and data windows.
    delete m_main.data();
    if (current == this) {
        current = nullptr;
    }
}

AppState& App() {
    Q_ASSERT(current != nullptr);
    return *current;
}

frmMain& AppState::MainForm() {
    if (!m_main) {
        m_main = new frmMain;
    }
    return *m_main;
}

frmDocument& AppState::Document() {
    if (!m_document) {
        m_document = new frmDocument;
        MainForm().AddChildWindow(m_document);
    }
    return *m_document;
}

frmData& AppState::Data() {
    if (!m_data) {
        m_data = new frmData;
        MainForm().AddChildWindow(m_data);
    }
    return *m_data;
}

// The magnifier, the options and the guide belong to the main window, so that the window
// manager keeps them in front of it and takes them away with it.
frmZoom& AppState::Zoom() {
    if (!m_zoom) {
        m_zoom = new frmZoom(&MainForm());
    }
    return *m_zoom;
}

frmOptions& AppState::Options() {
    if (!m_options) {
        m_options = new frmOptions(&MainForm());
    }
    return *m_options;
}

frmTip& AppState::Tip() {
    if (!m_tip) {
        m_tip = new frmTip(&MainForm());
    }
    return *m_tip;
}

frmSplash& AppState::Splash() {
    if (!m_splash) {
        m_splash = new frmSplash;
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
