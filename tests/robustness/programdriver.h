// The whole program as the robustness tests drive it: the launcher and
// every window created as at start-up, each window opened, animated, resized
// and closed, and the modal dialogs they open answered by the test.
#pragma once

#include "app/startup.h"
#include "app/windowplacement.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TMainF;
class QWidget;

namespace robustness {

// Every module window and dialog the random runs drive, by section name.
inline const char* const kAllWindows[] = {"RoueF",  "BalleF", "DisqueF",      "ChuteF", "FreinageF", "PercutaF",
                                          "PoidsF", "ChampF", "PreferencesF", "TipF",   "SplashF"};

// An integer from the environment, or `fallback` when unset or not a number.
inline int EnvInt(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok ? value : fallback;
}

// One window of the program.
struct ProgramWindow
{
    QString name; // its object name
    QWidget* widget;
    int slot; // its placement slot, or -1
};

// The launcher and the windows it opens, created once, as the program
// creates them. The settings file is `<folder>/Kinea.ini`.
class Program
{
public:
    explicit Program(const QString& folder);
    ~Program();

    TMainF& Launcher() { return *m_launcher; }
    const std::vector<ProgramWindow>& Windows() const { return m_list; }
    // The window of this object name, or nullptr.
    QWidget* Window(const QString& name) const;

private:
    std::unique_ptr<TMainF> m_launcher;
    AppWindows m_windows;
    std::vector<ProgramWindow> m_list;
};

// Shows the window as the launcher opens it.
void OpenWindow(QWidget* window);
// Presses what sets the window's animation going: play, the run, the shot,
// the places of the globes.
void StartAnimation(QWidget* window);
// Fires each running timer of the window `ticks` times, as the event loop
// would, and lets the posted events run.
void RunTimers(QWidget* window, int ticks);
// "<name> <interval> ms" for each of the window's timers below 10 ms.
QStringList FastTimers(QWidget* window);
// Opens, animates, resizes (tiny, 4000 x 3000 when `huge`, as it was) and
// closes the window; returns its fast timers, seen while it ran.
QStringList Exercise(QWidget* window, int ticks, bool huge);

// Resident memory of this process, in kilobytes (0 where unknown).
long ResidentKilobytes();

} // namespace robustness
