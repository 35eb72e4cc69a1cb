// A launcher on fresh default settings whose program folder is a temporary
// one, so that nothing a test does touches the settings of the build tree;
// each test fixture hands it the windows it needs.
#pragma once

#include "app/launcherwindow.h"
#include "app/settings/appsettings.h"
#include "testhelpers.h"

#include <QAction>
#include <gtest/gtest.h>
#include <memory>

class LauncherFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppSettings = AppSettingsRecord{};
        launcher = std::make_unique<TMainF>();
        // The launcher's creation found the program's folder and loaded its
        // settings: both are replaced.
        ProgramDir = dir.Path();
        AppSettings = AppSettingsRecord{};
    }

    QAction* Action(const char* name) { return launcher->findChild<QAction*>(name); }

    testing_support::TempDir dir;
    std::unique_ptr<TMainF> launcher;
    AppWindows windows;
};
