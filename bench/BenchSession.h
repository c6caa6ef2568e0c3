#pragma once

#include "FakePlatform.h"
#include "windows/main/frmMain.h"
#include "windows/shared/AppState.h"

#include <memory>

// A fresh state with the tests' scripted desktop services, for benchmarks that run the
// program's commands.
struct BenchSession {
    FakePrompts* prompts = nullptr;
    std::unique_ptr<AppState> state;

    BenchSession() {
        Platform platform;
        auto fakePrompts = std::make_unique<FakePrompts>();
        prompts = fakePrompts.get();
        platform.prompts = std::move(fakePrompts);
        platform.clock = std::make_unique<FakeClock>();
        platform.sound = std::make_unique<FakeSoundPlayer>();
        platform.shell = std::make_unique<FakeShell>();
        platform.screen = std::make_unique<FakeScreenSource>();
        platform.scanner = std::make_unique<FakeScanner>();
        state = std::make_unique<AppState>(std::move(platform));
        state->RecentProjectsSettings.clear();
        App().MainForm();
    }
};
