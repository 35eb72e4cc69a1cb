// The parts of the settings store that the program's start-up and the tests
// adjust: where errors are told and how writability is judged.
#pragma once

#include <QString>
#include <functional>

// True when a save could replace the file: an existing file must be a
// writable regular file (checked with the system's access rights, so a
// read-only file system or an immutable file count as read-only); a new
// file needs a writable directory.
bool SettingsFileWritable(const QString& path);

// Replaces the check above in SaveSettings; an empty function restores it.
void SetSettingsWritableCheck(std::function<bool(const QString& path)> check);

// Receives "Ne peut écrire dans <path>" when a save fails after the file
// was judged writable; an empty function restores the default warning box.
void SetSettingsErrorReporter(std::function<void(const QString& message)> reporter);
