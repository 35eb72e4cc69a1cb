// The stored places of the program's windows: applied at the launcher's
// first show, captured at its close, and kept wholly on a screen whatever
// numbers the settings file holds.
#pragma once

#include "app/settings/appsettings.h"

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// A window's first size, before the user gave it one (the stored size is
// the settings' default of 700 x 500): at least its design size, so that
// every control shows.
QSize FirstSize(QSize designSize);

// Where a window with this stored placement goes, given its design size
// and the screens' available areas (the primary one first). A width or
// height of 0 or less gives the design size; the default size gives the
// first size; the size is kept within the screen; the window goes wholly
// onto the screen that shows most of it (moved in, its size kept), or to
// the primary screen's top-left corner when no screen shows any of it.
// The stored numbers may be any 32-bit values.
QRect ReachablePlace(const WindowPlacement& placement, QSize designSize, const QList<QRect>& screens);

// The available areas of the screens, the primary one first.
QList<QRect> ScreenAreas();

// Moves and sizes the window to its reachable place (its present size is
// its design size) and maximises it when Maxis is set.
void ApplyPlacement(QWidget* window, const WindowPlacement& placement);

// Reads the window's place; a maximised window keeps the stored W and H of
// its last normal size.
void CapturePlacement(const QWidget* window, WindowPlacement& placement);
