// The desktop calculator, started once and reused.
#pragma once

#include <QString>
#include <QStringList>

// Candidate programs, in order of preference.
QStringList CalculatorCandidates();

// The first candidate found on PATH, or "" when there is none.
QString FindCalculator();

// Starts the calculator unless the one started before is still running;
// when none is installed, says so in a French message box.
void OpenCalculator();
