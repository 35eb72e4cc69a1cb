// What each desktop gives the calculator: calculatorlinux.cpp and
// calculatorwindows.cpp, one of which is built.
#pragma once

#include "platform/calculator.h"

// Says in French that no calculator can be had, and what to do.
QString MissingCalculatorText();

// The calculator the program started last (pid 0 before any).
RunningProgram StartedCalculator();
