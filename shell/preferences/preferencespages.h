// The pages of the preferences dialog: their captions, one table of every
// check box (the setting it edits, where it stands, how its caption wraps,
// its hint), and the pages built from it as designed.
#pragma once

#include "app/settings/appsettings.h"

#include <QRect>
#include <QString>
#include <span>
#include <utility>
#include <vector>

class ColorEditorPage;
class QStackedWidget;
class QWidget;
class TAPIButton;
class TAPICheckBox;

constexpr int kPreferencesPageCount = 8;

// The caption of list item `page` (" Générales", ...); empty outside 0..7.
QString PreferencesPageCaption(int page);
// `page` brought into 0..7 (anything else opens the first page).
int ClampPreferencesPage(int page);

// The group boxes that hold some of the check boxes.
enum class PreferenceFrame
{
    None,
    Freinage,
    Champ,
    Tableau
};

// How a check box's caption stands: on one line; wrapped, the box level
// with the caption's middle; or wrapped, the box level with its first line.
enum class CaptionLayout
{
    SingleLine,
    Wrapped,
    WrappedFromTop
};

// One check box of the dialog and the setting it edits.
struct PreferenceCheck
{
    int page;
    const char* name; // object name of the check box
    const char* caption; // UTF-8, exact
    bool AppSettingsRecord::*flag;
    PreferenceFrame frame; // None: straight on the page
    QRect rect; // in its page or its frame
    CaptionLayout layout = CaptionLayout::SingleLine;
    const char* hint = nullptr; // UTF-8 hint bubble, if any
};
std::span<const PreferenceCheck> PreferenceChecks();

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
