// Helpers shared by the window tests: widget look-up, pixel probes and ink
// bounds on composed pictures, pending events; and the file helpers.
#pragma once

#include "testfiles.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

namespace testing_support {

// The child widget with this object name, or nullptr.
template <typename T> T* Child(QWidget* parent, const char* objectName)
{
    return parent->findChild<T*>(QString::fromLatin1(objectName));
}

// Pixel of an image as 0x00RRGGBB, for readable expectations.
unsigned RgbAt(const QImage& image, int x, int y);

// The bounding box of the dark pixels of `image` inside `within` (null
// when there are none): where a control has drawn its caption's letters,
// without depending on the font's exact pixels.
QRect InkBounds(const QImage& image, const QRect& within);

// What text drawn in `ink` over a plain `ground` left in `within`. Text is
// antialiased: its edge pixels are blends of the two colours, so a test
// reads where the ink lies and whether it is that ink, never which pixels.
struct TextInk
{
    QRect bounds; // pixels other than the ground (null when none)
    int full = 0; // pixels of the ink itself: the letters' stems
    int blended = 0; // pixels between ink and ground on every channel
    int foreign = 0; // anything else: another colour crept in
    // How close the darkest stroke comes to the ink: the largest channel
    // difference of the pixel nearest to it (0 when some pixel is the ink).
    int closest = 255;
};
TextInk ReadTextInk(const QImage& image, const QRect& within, unsigned ink, unsigned ground);

// The widget painted into an image at its current size and state.
QImage Paint(QWidget* widget);

// Lets pending events (timers at zero, posted events, paints) run.
void ProcessEvents(int ms = 0);

} // namespace testing_support
