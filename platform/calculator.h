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

// Process id of a running calculator (a candidate) of this user, the one
// started last by the program first; 0 when none runs.
qint64 RunningCalculator();

// Raises the visible windows of the process through xdotool; false when
// xdotool is missing, finds no window or fails (a desktop that does not
// allow it).
bool BringProcessForward(qint64 pid);

// Brings a running calculator forward, or starts one; when none is
// installed or it cannot start, says so in a French message box.
void OpenCalculator();
