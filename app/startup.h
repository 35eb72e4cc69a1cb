// The program's start: window creation in its fixed order and the refusal
// of a second running copy.
#pragma once

#include <QString>

class QApplication;
class TMainF;
struct AppWindows;
class SingleInstance;

// True when this copy must not start: another copy holds the lock and the
// settings allow only one.
bool SecondCopyRefused(SingleInstance& instance, bool instanceFlag);

// The warning shown to a refused copy (three lines).
QString SecondCopyMessage();

// Creates the windows that follow the single-copy check, in their fixed
// order, shows the start-up about box when asked, and hands them all to the
// launcher. `windows` already holds the visual-field window.
void CreateWindows(TMainF& launcher, AppWindows& windows);

// Deletes the module windows, which have no parent.
void DeleteModuleWindows(AppWindows& windows);

// Creates every window, shows the launcher and runs the event loop;
// returns the exit code.
int RunKinea(QApplication& app);
