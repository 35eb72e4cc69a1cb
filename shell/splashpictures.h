// The about box's fixed pictures: its background, the mask of the globe,
// the credits with their mask, and the buttons and cross.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QStringList>

constexpr int kSplashWidth = 650;
constexpr int kSplashHeight = 455;
constexpr TColor kSplashTopColor = 0xFFFFFF;
constexpr TColor kSplashBottomColor = 0xF8BA88;
constexpr TColor kSplashFrameColor = 0x808080;
constexpr TColor kKeyMagenta = 0xFF00FF;

// White at the top to pale blue at the bottom, framed in grey.
QImage SplashBackground();

// White where the globe's disc lies in `rendering` (a globe drawn black on
// magenta), black elsewhere.
QImage GlobeMaskFrom(const QImage& rendering);

// The credits drawn once: light text over the logo, with a mask that is
// white where something is drawn.
struct CreditsPictures
{
    QImage picture; // background white
    QImage mask;    // black where the panel shows through
    int height = 0;
    int lineHeight = 0;
};
CreditsPictures PrepareCredits(const QStringList& lines, const QImage& logo);

// A picture with transparent parts turned into a picture on white and its
// mask (white where opaque), to be drawn with OR then AND.
struct MaskedPicture
{
    QImage picture;
    QImage mask;
};
MaskedPicture SplitTransparency(const QImage& picture);

// The logo with every pixel either opaque or transparent, so that its edges
// never blend with the key colour of the credits.
QImage HardEdged(const QImage& picture);
