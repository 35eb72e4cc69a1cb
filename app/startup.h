// The program's start and end: its name, its windows, created once in a
// fixed order, and the refusal of a second running copy.
#pragma once

#include "app/settings/appsettings.h"

#include <QString>
#include <array>
#include <memory>

class ModuleWindow;
class QApplication;
class QDialog;
class QMessageBox;
class QWidget;
class SingleInstance;
class TMainF;

// The program's windows, created once at start-up in a fixed order and
// handed to the launcher, which opens them.
struct AppWindows
{
    ModuleWindow* wheel = nullptr;
    ModuleWindow* projectile = nullptr;
    ModuleWindow* disc = nullptr;
    ModuleWindow* freefall = nullptr;
    ModuleWindow* braking = nullptr;
    ModuleWindow* organ = nullptr;
    ModuleWindow* weighing = nullptr;
    ModuleWindow* field = nullptr;
    QDialog* about = nullptr;
    QDialog* tip = nullptr;
    QDialog* preferences = nullptr;

    // The window of each placement slot but the launcher's (slots 1..8).
    QWidget* Placed(int slot) const;
    // The module windows whose hint bubbles follow HintFlag.
    std::array<QWidget*, 7> Hinted() const;
};

// ---- start

// True when this copy must not start: another copy holds the lock and the
// settings allow only one.
bool SecondCopyRefused(SingleInstance& instance, bool instanceFlag);

// The warning shown to a refused copy (three lines).
QString SecondCopyMessage();
// The warning box that shows it, titled "Avertissement".
std::unique_ptr<QMessageBox> SecondCopyBox();

// Creates the windows that follow the single-copy check, in their fixed
// order, shows the start-up about box when asked, and hands them all to the
// launcher. `windows` already holds the visual-field window.
void CreateWindows(TMainF& launcher, AppWindows& windows);

// Deletes the module windows, which have no parent.
void DeleteModuleWindows(AppWindows& windows);

// Gives the program its name (task bar, window class, desktop entry)
// without a display name, so that title bars show the windows' captions
// alone.
void NameTheProgram();

// Creates every window, shows the launcher and runs the event loop;
// returns the exit code.
int RunKinea(QApplication& app);
