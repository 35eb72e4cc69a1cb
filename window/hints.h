// Hint bubbles (tool tips): the 300 ms pause of the whole program and the
// per-window switch that the "HintFlag" setting drives.
#pragma once

class QWidget;

// Installs, once, the 300 ms tool-tip pause and the filter that hides the
// tool tips of windows whose hints are switched off.
void InstallHintSupport();

// Shows or hides the tool tips of every control of `window`.
void SetWindowHints(QWidget* window, bool shown);
bool WindowHintsShown(const QWidget* window);
