// The program's windows, created once at start-up in a fixed order and
// handed to the launcher, which opens them.
#pragma once

#include <QWidget>
#include <array>

class ModuleWindow;
class QDialog;

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
