// What a screen reader calls the controls that show no caption of their own
// (picture buttons, entries, lists, drawing areas): one list for the whole
// program, by object name, and the pass that gives every control of a window
// its name when the window is shown.
#pragma once

#include <QString>

class QWidget;

struct ControlSpeech
{
    QString name;
    QString description; // for the pictures, which have no hint
};

// The entry for `control` in window `window` (object names): the window's
// own entry first, then the one that holds in every window; empty when the
// list has none.
ControlSpeech ControlSpeechFor(const QString& window, const QString& control);

// Names every control of `window` that its owner has not named: the list's
// name, else (for a control without caption) its hint; gives a picture
// without hint the list's description. A control's caption and hint keep
// speaking for themselves, so that they follow any change.
void NameControls(QWidget* window);
