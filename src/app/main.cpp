// Kurvex: reads numbers off pictures of graphs.

#include "app/AppState.h"
#include "app/Startup.h"
#include "batch/BatchRun.h"
#include "core/ProgramInfo.h"
#include "decoding/DecoderProcess.h"
#include "decoding/ImagingDecoder.h"
#include "desktop/DesktopShell.h"
#include "desktop/QtPrompts.h"
#include "desktop/QtScreenSource.h"
#include "desktop/QtSoundPlayer.h"
#include "desktop/SaneScanner.h"
#include "desktop/SystemClock.h"
#include "windows/main/ProgramApplication.h"
#include "windows/main/frmMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Started by the program itself to decode one picture file, and nothing else.
    if (IsDecoderCall(argc, argv)) {
        return RunDecoderProcess(argc, argv);
    }
    // A batch run: no display and no window, the same decoding and reading.
    if (IsBatchCall(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Its standard error is the run's own report: Qt's notes about the desktop it does
        // without (no runtime folder, no fonts database) would only clutter it.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "%s\n", qPrintable(text));
            }
        });
        QGuiApplication application(argc, argv);
        return RunBatch(QGuiApplication::arguments().mid(2), stderr);
    }
    ProgramApplication application(argc, argv);
    SetDecodeLimits();
    QApplication::setApplicationName(ProgramInfo::Title);
    // Ties the windows to the desktop entry, for the task bar's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("kurvex"));
    // The close sequence of the main window ends the program, whatever else is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    Platform platform;
    platform.prompts = std::make_unique<QtPrompts>();
    platform.clock = std::make_unique<SystemClock>();
    platform.sound = std::make_unique<QtSoundPlayer>();
    platform.shell = std::make_unique<DesktopShell>();
    platform.screen = std::make_unique<QtScreenSource>();
    platform.scanner = std::make_unique<SaneScanner>(*platform.prompts);
    AppState state(std::move(platform));

    // A picture file named on the command line (or by the desktop's "Open with") is decoded
    // while the splash shows.
    const QStringList arguments = QApplication::arguments();
    Main(state, arguments.size() == 2 ? arguments.at(1) : QString());
    const auto windows = QApplication::topLevelWidgets();
    const bool anyWindowShown = std::any_of(windows.begin(), windows.end(),
                                            [](const QWidget* w) { return w->isVisible(); });
    if (!anyWindowShown) {
        return 1;
    }

    return QApplication::exec();
}
