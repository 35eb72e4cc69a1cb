// A preferences dialog on fresh default settings, with the colour dialog
// replaced by a script that records what it was asked.
#pragma once

#include "controls/tapibutton.h"
#include "controls/tapicheckbox.h"
#include "shell/preferences/preferencescolorpage.h"
#include "shell/preferences/preferenceswindow.h"
#include "support/testhelpers.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

class PreferencesTest : public testing::Test
{
protected:
    void SetUp() override
    {
        AppSettings = AppSettingsRecord{};
        PreferencesPage = 0;
        ChooseColor = [this](TColor initial, QWidget*) {
            asked.push_back(initial);
            return answer;
        };
    }

    void TearDown() override
    {
        dialog.hide();
        ChooseColor = ChooseColorWithDialog;
        AppSettings = AppSettingsRecord{};
        PreferencesPage = 0;
    }

    // What a caller does: set the page, then show the dialog.
    void Open(int page)
    {
        PreferencesPage = page;
        dialog.show();
        testing_support::ProcessEvents();
    }

    template <typename T = TAPIButton> T* Control(const char* name)
    {
        T* found = testing_support::Child<T>(&dialog, name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void Click(const char* name) { Control<TAPIButton>(name)->click(); }
    TAPICheckBox* Check(const char* name) { return Control<TAPICheckBox>(name); }

    TPreferencesF dialog;
    std::vector<TColor> asked; // initial colour of each colour dialog
    std::optional<TColor> answer; // what the colour dialog returns
};
