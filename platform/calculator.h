// The desktop calculator: one already running is brought forward where the
// desktop allows it, otherwise one is started, detached so that it outlives
// the program. A calculator that cannot be had is said in French.
#pragma once

#include <QString>
#include <QStringList>

// Candidate programs, in order of preference.
QStringList CalculatorCandidates();

// The first candidate found on PATH, or "" when there is none.
QString FindCalculator();

// A running program: its process id (0 for none) and its candidate name.
struct RunningProgram
{
    qint64 pid = 0;
    QString name;
};

// A running calculator (a candidate) of this user, the one started last by
// the program first.
RunningProgram RunningCalculator();

// Brings the program's visible window forward through xdotool, found by its
// process id or else by its window class (older programs do not give their
// id); false when xdotool is missing, finds no window or fails (a desktop
// that does not allow it).
bool BringProgramForward(const RunningProgram& program);

// Brings a running calculator forward, or starts one; when none is
// installed or it cannot start, says so in a French message box.
void OpenCalculator();
