// Applying stored window placements to windows and capturing them back.
#pragma once

#include "app/settings/appsettings.h"

#include <QRect>
#include <QList>

class QWidget;

// Moves and sizes the window (size only where W, H > 0), maximises it when
// Maxis is set, and brings it back onto the primary screen when the stored
// place lies wholly outside every screen.
void ApplyPlacement(QWidget* window, const WindowPlacement& placement);

// Reads the window's place; a maximised window keeps the stored W and H of
// its last normal size.
void CapturePlacement(const QWidget* window, WindowPlacement& placement);

// `rect` moved onto the first of `screens` when it meets none of them.
QRect KeepOnScreens(const QRect& rect, const QList<QRect>& screens);
