#pragma once

#include "FakePlatform.h"
#include "app/AppState.h"
#include "windows/main/frmMain.h"

#include <memory>

// The program the running benchmark put together.
inline AppState*& CurrentBenchProgram() {
    static AppState* current = nullptr;
    return current;
}
inline AppState& App() {
    return *CurrentBenchProgram();
}

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
        state->recentProjectsSettings.clear();
        CurrentBenchProgram() = state.get();
        App().MainForm();
    }
    ~BenchSession() {
        if (CurrentBenchProgram() == state.get()) {
            CurrentBenchProgram() = nullptr;
        }
    }
};
