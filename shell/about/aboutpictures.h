// Everything the about box draws: its fixed pictures (background, globe mask,
// credits, buttons and cross), the geometry of the credits panel and their
// scroll, and the drawing of one frame: the typed text panel, the globe
// through its mask and the darkened credits panel.
#pragma once

#include "canvas/canvas.h"
#include "raster/tdibplus.h"
#include "shell/about/aboutanimation.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

// ---- fixed pictures

constexpr int kAboutWidth = 650;
constexpr int kAboutHeight = 455;
constexpr TColor kAboutFrameColor = 0x808080;
constexpr TColor kKeyMagenta = 0xFF00FF;

// White at the top to pale blue at the bottom, framed in grey, composed at
// `ratio` device pixels per logical pixel.
QImage AboutBackground(qreal ratio = 1);

// White where the globe's disc lies in `rendering` (a globe drawn black on
// magenta), black elsewhere; at the rendering's resolution.
QImage GlobeMaskFrom(const QImage& rendering);

// The credits drawn once: the logo and the light lines on a transparent
// layer. The lines are smoothed, so their edges are partly transparent and
// blend with the dark panel; drawn on a key colour, they would keep that
// colour's tint wherever a pixel is not exactly the key.
struct CreditsPictures
{
    QImage picture; // premultiplied alpha, transparent where nothing is drawn
    int height = 0;
    int lineHeight = 0;
    int stillRow = 0; // the row shown at the panel's top while they do not scroll
};
// At `ratio` device pixels per logical pixel; the rows and heights count
// logical pixels.
CreditsPictures PrepareCredits(const QStringList& lines, const QImage& logo, qreal ratio = 1);

// A picture with transparent parts turned into a picture on white and its
// mask (white where opaque), to be drawn with OR then AND; both keep the
// picture's device pixel ratio.
struct MaskedPicture
{
    QImage picture;
    QImage mask;
};
MaskedPicture SplitTransparency(const QImage& picture);

// ---- credits panel: its rounded darkened shape and the endless scroll of
// the credits through it

constexpr int kCreditsWidth = 400;
constexpr int kCreditsPanelHeight = 265;
constexpr int kCreditsCornerRadius = 20;
// Row of the credits shown at the top of the panel when they do not scroll,
// if no line is cut there by the panel's bottom.
constexpr int kStillCreditsRow = 100;
// Blank rows kept under the last line in the still panel, clear of the
// rounded corners' darkening.
constexpr int kStillBottomMargin = 2;

// The still row: kStillCreditsRow, moved down just enough that the line
// at the panel's bottom shows whole, with lines `lineHeight` apart.
int StillCreditsRow(int lineHeight);

// Columns first..last (both included) darkened on device row `row` of the
// panel surface: the whole row but for the corners rounded to
// kCreditsCornerRadius logical pixels.
ColumnSpan DarkenedSpan(const TDibPlus& panel, int row);

// Height of the credits picture: (lines - 1) line heights and 40 pixels.
int CreditsHeight(int lineCount, int lineHeight);

// The scroll position after one more row, back to 0 at the end.
int NextScrollRow(int row, int creditsHeight);

// Rows of the credits copied to the panel, from `scrollRow` on and again
// from the first row when they run out.
struct RowPiece
{
    int sourceRow;
    int panelRow;
    int rows;
};
std::vector<RowPiece> CreditPieces(int scrollRow, int creditsHeight, int panelHeight = kCreditsPanelHeight);

// ---- one frame: the typed text panel with its buttons and cross, the globe
// through its mask, and the darkened credits panel with the credits
// scrolling through it

// Places in the window (left, top, size).
constexpr QRect kGlobeRect{10, 10, 217, 217};
constexpr QRect kTextPanelRect{325, 15, 310, 150};
constexpr QRect kBackRect{601, 15, 16, 15};
constexpr QRect kNextRect{617, 15, 16, 15};
constexpr QRect kCrossRect{611, 419, 22, 22};
constexpr QRect kCreditsRect{125, 160, 400, 265};

constexpr TColor kTextPanelColor = 0xD7A987;
constexpr int kTextPanelPoints = 8;

// The panel's ink: its blue, darkened just enough to read on the background.
TColor TextPanelInk();
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

struct AboutButtons
{
    QImage back;
    QImage next;
    MaskedPicture cross;
};

// Draws the text panel over `composition` (which holds the background
// under it), then the buttons when `buttonsShown`, and the cross.
void DrawTextPanel(QImage& composition, const TypedText& text, const AboutButtons& buttons, bool buttonsShown);

// The rendered globe over the composition, through the disc mask.
void DrawGlobe(QImage& composition, const QImage& mask, const QImage& globe);

// The credits panel: the composition under it darkened with rounded
// corners in `surface` (400 x 265 logical pixels, at the composition's
// ratio), the credits from `scrollRow` on drawn
// over it through their mask, the result copied back.
void DrawCreditsPanel(QImage& composition, TDibPlus& surface, const CreditsPictures& credits, int scrollRow);
