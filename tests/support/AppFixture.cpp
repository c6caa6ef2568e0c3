#include "AppFixture.h"

#include <QApplication>

namespace {
AppState* current = nullptr;
}

AppState& App() {
    Q_ASSERT(current != nullptr);
    return *current;
}

void AppFixture::SetUp() {
    Platform platform;
    auto fakePrompts = std::make_unique<FakePrompts>();
    auto fakeClock = std::make_unique<FakeClock>();
    auto fakeSound = std::make_unique<FakeSoundPlayer>();
    auto fakeShell = std::make_unique<FakeShell>();
    auto fakeScreen = std::make_unique<FakeScreenSource>();
    auto fakeScanner = std::make_unique<FakeScanner>();
    scanner = fakeScanner.get();
    screen = fakeScreen.get();
    prompts = fakePrompts.get();
    clock = fakeClock.get();
    sound = fakeSound.get();
    shell = fakeShell.get();
    platform.prompts = std::move(fakePrompts);
    platform.clock = std::move(fakeClock);
    platform.sound = std::move(fakeSound);
    platform.shell = std::move(fakeShell);
    platform.screen = std::move(fakeScreen);
    platform.scanner = std::move(fakeScanner);
    state = std::make_unique<AppState>(std::move(platform));
    current = state.get();
    state->recentProjectsSettings = configFolder.filePath(QStringLiteral("recent.ini"));
}

void AppFixture::TearDown() {
    current = nullptr;
    state.reset();
    QApplication::processEvents();
}
