#pragma once

#include "FakePlatform.h"
#include "core/AppState.h"
#include "document/PictureSurface.h"
#include "document/frmDocument.h"
#include "info/frmTip.h"
#include "mainwindow/frmMain.h"
#include "options/frmOptions.h"
#include "table/DataTable.h"
#include "table/frmData.h"
#include "zoom/frmZoom.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

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
