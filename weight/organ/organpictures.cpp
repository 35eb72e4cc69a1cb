#include "weight/organ/organpictures.h"

#include "canvas/colorcontrast.h"
#include "canvas/picturehelpers.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kSkyBlue = 0xF8BA88;
constexpr TColor kSteel = 0x606060;
constexpr TColor kFold = 0xC0C0C0;
constexpr TColor kStopBlock = 0x303030;
constexpr TColor kRail = 0xC0C0C0;
constexpr TColor kLightOrange = 0x95C4F9;

QImage blank(int width, int height, qreal ratio)
{
    QImage image = NewPicture(QSize(std::max(1, width), std::max(1, height)), ratio);
    image.fill(Qt::white);
    return image;
}

// A tube lying on the bench: grey edges, a light band a fifth of the way
// down, as light falls on a round bar from above.
QImage sideView(int length, int thickness, qreal ratio)
{
    length = std::max(1, length);
    const int t = std::max(1, thickness);
    QImage image = blank(length, t, ratio);
    ShadedBar(image, kSteel, kWhite, kSteel, 0, t * 2 / 10, t * 3 / 10, t, 0, length);
    return image;
}

// The same standing up, its light band near the left edge.
QImage frontView(int width, int height, qreal ratio)
{
    const int w = std::max(1, width);
    height = std::max(1, height);
    QImage image = blank(w, height, ratio);
    ShadedBarVertical(image, kSteel, kWhite, kSteel, 0, w * 2 / 10, w * 3 / 10, w, 0, height);
    return image;
}

// Folds of a crumpled tube seen from the side: staggered marks from the
// free end, alternately from the top and from the bottom.
void sideFolds(QImage& image)
{
    Canvas canvas(image);
    const int t = canvas.height();
    const int d = std::max(1, t / 15);
    const int reach = t * 7 / 8;
    canvas.brush = CanvasBrush{kFold};
    for (int e = canvas.width(); e > 0; e -= 3 * d) {
        canvas.FillRect(e - 2 * d, 0, e - d, reach);
        canvas.FillRect(e - 3 * d, t - reach, e - 2 * d, t);
    }
}

// Folds seen from the front: on every third row a line from the left
// edge, and one from the right edge on the row below.
void frontFolds(QImage& image)
{
    Canvas canvas(image);
    const int w = canvas.width();
    const int reach = w * 7 / 8;
    canvas.brush = CanvasBrush{kFold};
    for (int r = 0; r < canvas.height(); r += 3) {
        canvas.FillRect(0, r, reach, r + 1);
        canvas.FillRect(w - reach, r + 1, w, r + 2);
    }
}

// The background colour under a text written from row `top`: the darkest
// row it covers, against which its ink must read.
TColor backgroundUnder(const QImage& background, int top, const CanvasFont& font)
{
    QFont qfont(font.name);
    qfont.setPixelSize(font.pixelHeight);
    qfont.setBold(font.bold);
    // Read at the top device row of that logical row.
    const qreal ratio = background.devicePixelRatio();
    const int height = int(std::lround(background.height() / ratio));
    const int bottom = std::clamp(top + QFontMetrics(qfont).height() - 1, 0, height - 1);
    return CanvasFromQColor(
        background.pixelColor(0, std::min(int(std::lround(bottom * ratio)), background.height() - 1)));
}

CanvasFont boldArial(int points, TColor color)
{
    CanvasFont font;
    font.setPointSize(points);
    font.bold = true;
    font.color = color;
    return font;
}

} // namespace

CanvasFont OrganPictures::BenchFont()
{
    return boldArial(10, kLightOrange);
}
CanvasFont OrganPictures::StrikerFont()
{
    return boldArial(8, kLightOrange);
}
CanvasFont OrganPictures::LabelFont(TColor color)
{
    return boldArial(8, color);
}
CanvasFont OrganPictures::HoverFont()
{
    return boldArial(10, kLightOrange);
}
CanvasFont OrganPictures::PanelFont()
{
    return boldArial(10, 0xE0E0FF);
}

void OrganPictures::Build(const OrganLayout& layout, qreal ratio)
{
    Ratio = ratio;
    const int width = layout.DisplayWidth();
    BenchBackground = blank(width, layout.BenchHeight(), ratio);
    VerticalGradient(BenchBackground, kWhite, kSkyBlue, std::max(1, layout.BenchHeight()));
    ShadedBar(BenchBackground, kStopBlock, kWhite, kStopBlock, layout.up(16), layout.up(12.5), layout.up(11),
              layout.up(1), layout.px(3), layout.px(10));
    ShadedBar(BenchBackground, kRail, kWhite, kRail, layout.up(16), layout.up(15.7), layout.up(15.5), layout.up(14.5),
              layout.px(10), width);
    ShadedBar(BenchBackground, kRail, kWhite, kRail, layout.up(2.5), layout.up(2.2), layout.up(2), layout.up(1),
              layout.px(10), width);

    TubeBackground = blank(width, layout.TubesHeight(), ratio);
    VerticalGradient(TubeBackground, kWhite, kSkyBlue, std::max(1, layout.TubesHeight()));

    SideIntact = sideView(layout.px(32), layout.px(2.7), ratio);
    SideCrumpled = sideView(layout.px(32), layout.px(3.3), ratio);
    sideFolds(SideCrumpled);
    FrontStraight = frontView(layout.tubePx(2.7), layout.tubePx(32), ratio);
    FrontCrumpled = frontView(layout.tubePx(3.3), layout.tubePx(32), ratio);
    frontFolds(FrontCrumpled);

    TubeTop = layout.up(8.5) - layout.px(2.7) / 2;
    CrumpledTop = layout.up(8.5) - layout.px(3.3) / 2;
    StrikerTop = layout.up(2.6) - layout.px(11.8);

    CaptionInk = ReadableInk(kLightOrange, backgroundUnder(BenchBackground, 2, BenchFont()));
    HoverInk = ReadableInk(kLightOrange, backgroundUnder(TubeBackground, 5, HoverFont()));
}

void OrganPictures::BuildStriker(const OrganLayout& layout, int massKg)
{
    const int width = std::max(1, layout.px(23));
    Striker = blank(width, layout.px(11.8), Ratio);
    ShadedBar(Striker, 0x000000, kWhite, 0x000000, 0, layout.px(3.7), layout.px(4.2), layout.px(12.8), 0, width);
    Canvas canvas(Striker);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font = StrikerFont();
    const QString mass = QString::number(massKg) + QStringLiteral(" kg");
    canvas.TextOut(3, canvas.height() - canvas.TextHeight(mass) - 3, mass);
}

void OrganPictures::Clear()
{
    *this = OrganPictures{};
}
