// The program's start and end: its windows, created once in a fixed order,
// their stored placements applied and captured back, and the refusal of a
// second running copy.
#pragma once

#include "app/settings/appsettings.h"

#include <QList>
#include <QRect>
#include <QString>
#include <array>

class ModuleWindow;
class QApplication;
class QDialog;
class QWidget;
class SingleInstance;
class TMainF;

// The program's windows, created once at start-up in a fixed order and
// handed to the launcher, which opens them.
struct AppWindows
{
    ModuleWindow* roue = nullptr;
    ModuleWindow* balle = nullptr;
    ModuleWindow* disque = nullptr;
    ModuleWindow* chute = nullptr;
    ModuleWindow* freinage = nullptr;
    ModuleWindow* percuta = nullptr;
    ModuleWindow* poids = nullptr;
    ModuleWindow* champ = nullptr;
    QDialog* splash = nullptr;
    QDialog* tip = nullptr;
    QDialog* preferences = nullptr;

    // The window of each placement slot but the launcher's (slots 1..8).
    QWidget* placed(int slot) const;
    // The module windows whose hint bubbles follow HintFlag.
    std::array<QWidget*, 7> hinted() const;
};

// ---- start

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

// ---- window placements

// Moves and sizes the window (size only where W, H > 0), maximises it when
// Maxis is set, and brings it back onto the primary screen when the stored
// place lies wholly outside every screen.
void ApplyPlacement(QWidget* window, const WindowPlacement& placement);

// Reads the window's place; a maximised window keeps the stored W and H of
// its last normal size.
void CapturePlacement(const QWidget* window, WindowPlacement& placement);

// `rect` moved onto the first of `screens` when it meets none of them.
QRect KeepOnScreens(const QRect& rect, const QList<QRect>& screens);
