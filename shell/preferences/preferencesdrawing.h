// The two pictures of the preferences dialog: the banner above the page and
// the preview of the motion colours.
#pragma once

#include "app/settings/appsettings.h"

#include <QImage>
#include <QString>

constexpr TColor kBannerNavy = 0x800000;
constexpr int kBannerIconLeft = 5;
constexpr int kBannerGradientLeft = 25;
const QSize kBannerSize(395, 23);
const QSize kPageIconSize(20, 21);
const QSize kPreviewSize(180, 100);

// The drawing of list item `page` (20 x 21) on a transparent ground; null
// outside 0..7. `ratio`: device pixels per logical pixel of the screen.
QImage PreferencesPageDrawing(int page, qreal ratio = 1);
// The same on white, as the list shows it.
QImage PreferencesPageIcon(int page, qreal ratio = 1);

// Navy, then a gradient from navy at x = 25 to `buttonFace` at the right
// edge; the page drawing at (5, 0) with its white ground turned navy; the
// caption in white Arial bold at x = 25, centred vertically. `iconBitmap`
// is the dialog's 20 x 21 work bitmap for the icon. Both pictures share the
// device pixel ratio of the screen, and so should `drawing`.
void DrawPreferencesBanner(QImage& banner, QImage& iconBitmap, const QImage& drawing, const QString& caption,
                           TColor buttonFace);

// The colours of `settings` on a small scene: screen, wheel, hatched bar,
// three markers and `title` at the top right.
void DrawColorPreview(QImage& preview, const AppSettingsRecord& settings, const QString& title);
