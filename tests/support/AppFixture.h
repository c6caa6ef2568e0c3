#pragma once

#include "FakePlatform.h"
#include "app/AppState.h"
#include "table/DataTable.h"
#include "windows/data/frmData.h"
#include "windows/document/PictureSurface.h"
#include "windows/document/frmDocument.h"
#include "windows/info/frmTip.h"
#include "windows/main/frmMain.h"
#include "windows/options/frmOptions.h"
#include "windows/zoom/frmZoom.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The program as the running test put it together.
AppState& App();

// A fresh application state with fake desktop services for each test, and the windows it
// hands out.
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
