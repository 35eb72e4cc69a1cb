// What the preferences dialog edits: its pages, its check boxes and the
// settings they store into, the eight motion colours with their two
// palettes, and the backup that "Annuler" restores.
#pragma once

#include "app/settings/appsettings.h"

#include <QString>
#include <array>
#include <span>

constexpr int kPreferencesPageCount = 8;
constexpr int kColorTargetCount = 8;

// The caption of list item `page` (" Générales", ...); empty outside 0..7.
QString PreferencesPageCaption(int page);
// `page` brought into 0..7 (anything else opens the first page).
int ClampPreferencesPage(int page);

// One check box of the dialog and the setting it edits.
struct PreferenceCheck
{
    int page;
    const char* name;    // object name of the check box
    const char* caption; // UTF-8, exact
    bool AppSettingsRecord::*flag;
};
std::span<const PreferenceCheck> PreferenceChecks();

// One colour of the motion modules that the colour editor changes.
struct ColorTarget
{
    const char* caption; // UTF-8, exact
    TColor AppSettingsRecord::*setting;
};
std::span<const ColorTarget> ColorTargets();

// The eight editable colours, in the order of ColorTargets().
using ColorSet = std::array<TColor, kColorTargetCount>;
ColorSet ReadColors(const AppSettingsRecord& settings);
void WriteColors(AppSettingsRecord& settings, const ColorSet& colors);

// The settings store's own defaults, and a palette for white paper.
ColorSet DefaultColors();
ColorSet PrintColors();

// The target's setting, or nullptr outside 0..7.
TColor* ColorSetting(AppSettingsRecord& settings, int target);
