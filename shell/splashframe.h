// Drawing of one frame of the about box: the typed text panel with its
// buttons and cross, the globe through its mask, and the darkened credits
// panel with the credits scrolling through it.
#pragma once

#include "canvas/canvas.h"
#include "shell/splashpictures.h"
#include "shell/splashtyping.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class TDibPlus;

// Places in the window (left, top, size).
constexpr QRect kGlobeRect{10, 10, 217, 217};
constexpr QRect kTextPanelRect{325, 15, 310, 150};
constexpr QRect kBackRect{601, 15, 16, 15};
constexpr QRect kNextRect{617, 15, 16, 15};
constexpr QRect kCrossRect{611, 419, 22, 22};
constexpr QRect kCreditsRect{125, 160, 400, 265};

constexpr TColor kTextPanelColor = 0xD7A987;
constexpr int kTextPanelPoints = 8;

// The panel's font: Arial 8 points, bold for the date, place and title.
CanvasFont TextPanelFont(bool bold);
// Widths in the panel's regular font, as the account is wrapped.
TextMeasure TextPanelMeasure();

// What the text panel shows: every line before `line` whole, then the
// first `chars` characters of line `line`.
struct TypedText
{
    const std::vector<QString>* lines = nullptr;
    int line = 0;
    int chars = 0;
};

struct SplashButtons
{
    QImage back;
    QImage next;
    MaskedPicture cross;
};

// Draws the text panel over `composition` (which holds the background
// under it), then the buttons when `buttonsShown`, and the cross.
void DrawTextPanel(QImage& composition, const TypedText& text, const SplashButtons& buttons, bool buttonsShown);

// The rendered globe over the composition, through the disc mask.
void DrawGlobe(QImage& composition, const QImage& mask, const QImage& globe);

// The credits panel: the composition under it darkened with rounded
// corners in `surface` (400 x 265), the credits from `scrollRow` on drawn
// over it through their mask, the result copied back.
void DrawCreditsPanel(QImage& composition, TDibPlus& surface, const CreditsPictures& credits, int scrollRow);
