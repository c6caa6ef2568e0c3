#pragma once

#include "FakePlatform.h"
#include "core/AppState.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A fresh application state with fake desktop services for each test.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    FakePrompts* prompts = nullptr;
    FakeClock* clock = nullptr;
    FakeSoundPlayer* sound = nullptr;
    FakeShell* shell = nullptr;
    FakeScreenSource* screen = nullptr;
    FakeScanner* scanner = nullptr;
    std::unique_ptr<AppState> state;
    // The test's own list of recent projects, gone with the test.
    QTemporaryDir configFolder;
};
