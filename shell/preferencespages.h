// The eight pages of the preferences dialog, laid out as designed.
#pragma once

#include "shell/preferencessettings.h"

#include <utility>
#include <vector>

class ColorEditorPage;
class QStackedWidget;
class QWidget;
class TAPIButton;
class TAPICheckBox;

struct PreferencesPages
{
    QStackedWidget* stack = nullptr;
    // Every check box with the row of PreferenceChecks() it stands for.
    std::vector<std::pair<const PreferenceCheck*, TAPICheckBox*>> checks;
    TAPIButton* autoriser = nullptr;
    TAPIButton* interdire = nullptr;
    ColorEditorPage* colors = nullptr;
};

// Builds the pages, one per list item, inside a stack without tabs.
PreferencesPages BuildPreferencesPages(QWidget* parent);
