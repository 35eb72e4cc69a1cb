#include "weight/organ/organpictures.h"

#include "canvas/colorcontrast.h"
#include "canvas/picturehelpers.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kSteel = 0x606060;
constexpr TColor kFold = 0xC0C0C0;
constexpr TColor kStopBlock = 0x303030;
constexpr TColor kRail = 0xC0C0C0;

QImage Blank(int width, int height, qreal ratio)
{
    QImage image = NewPicture(QSize(std::max(1, width), std::max(1, height)), ratio);
    image.fill(Qt::white);
    return image;
}

// A tube lying on the bench: grey edges, a light band a fifth of the way
// down, as light falls on a round bar from above.
QImage SideView(int length, int thickness, qreal ratio)
{
    length = std::max(1, length);
    const int t = std::max(1, thickness);
    QImage image = Blank(length, t, ratio);
    ShadedBar(image, kSteel, kWhite, kSteel, 0, t * 2 / 10, t * 3 / 10, t, 0, length);
    return image;
}

// The same standing up, its light band near the left edge.
QImage FrontView(int width, int height, qreal ratio)
{
    const int w = std::max(1, width);
    height = std::max(1, height);
    QImage image = Blank(w, height, ratio);
    ShadedBarVertical(image, kSteel, kWhite, kSteel, 0, w * 2 / 10, w * 3 / 10, w, 0, height);
    return image;
}

// Folds of a crumpled tube seen from the side: staggered marks from the
// free end, alternately from the top and from the bottom.
void SideFolds(QImage& image)
{
    Canvas canvas(image);
    const int t = canvas.Height();
    const int d = std::max(1, t / 15);
    const int reach = t * 7 / 8;
    canvas.brush = CanvasBrush{kFold};
    for (int e = canvas.Width(); e > 0; e -= 3 * d) {
        canvas.FillRect(e - 2 * d, 0, e - d, reach);
        canvas.FillRect(e - 3 * d, t - reach, e - 2 * d, t);
    }
}

// Folds seen from the front: on every third row a line from the left
// edge, and one from the right edge on the row below.
void FrontFolds(QImage& image)
{
    Canvas canvas(image);
    const int w = canvas.Width();
    const int reach = w * 7 / 8;
    canvas.brush = CanvasBrush{kFold};
    for (int r = 0; r < canvas.Height(); r += 3) {
        canvas.FillRect(0, r, reach, r + 1);
        canvas.FillRect(w - reach, r + 1, w, r + 2);
    }
}

// The background colour under a text written from row `top`: the darkest
// row it covers, against which its ink must read.
TColor BackgroundUnder(const QImage& background, int top, const CanvasFont& font)
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

CanvasFont BoldArial(int points, TColor color)
{
    CanvasFont font;
    font.SetPointSize(points);
    font.bold = true;
    font.color = color;
    return font;
}

} // namespace

CanvasFont OrganPictures::BenchFont()
{
    return BoldArial(10, kOrganOrange);
}
CanvasFont OrganPictures::StrikerFont()
{
    return BoldArial(8, kOrganOrange);
}
CanvasFont OrganPictures::LabelFont(TColor color)
{
    return BoldArial(8, color);
}
CanvasFont OrganPictures::HoverFont()
{
    return BoldArial(10, kOrganOrange);
}
CanvasFont OrganPictures::PanelFont()
{
    return BoldArial(10, 0xE0E0FF);
}

void OrganPictures::Build(const OrganLayout& layout, qreal ratio)
{
    Ratio = ratio;
    const int width = layout.DisplayWidth();
    BenchBackground = Blank(width, layout.BenchHeight(), ratio);
    VerticalGradient(BenchBackground, kPaleSkyTop, kPaleSkyHorizon, std::max(1, layout.BenchHeight()));
    ShadedBar(BenchBackground, kStopBlock, kWhite, kStopBlock, layout.Up(16), layout.Up(12.5), layout.Up(11),
              layout.Up(1), layout.Px(3), layout.Px(10));
    ShadedBar(BenchBackground, kRail, kWhite, kRail, layout.Up(16), layout.Up(15.7), layout.Up(15.5), layout.Up(14.5),
              layout.Px(10), width);
    ShadedBar(BenchBackground, kRail, kWhite, kRail, layout.Up(2.5), layout.Up(2.2), layout.Up(2), layout.Up(1),
              layout.Px(10), width);

    TubeBackground = Blank(width, layout.TubesHeight(), ratio);
    VerticalGradient(TubeBackground, kPaleSkyTop, kPaleSkyHorizon, std::max(1, layout.TubesHeight()));

    SideIntact = SideView(layout.Px(32), layout.Px(2.7), ratio);
    SideCrumpled = SideView(layout.Px(32), layout.Px(3.3), ratio);
    SideFolds(SideCrumpled);
    FrontStraight = FrontView(layout.TubePx(2.7), layout.TubePx(32), ratio);
    FrontCrumpled = FrontView(layout.TubePx(3.3), layout.TubePx(32), ratio);
    FrontFolds(FrontCrumpled);

    TubeTop = layout.Up(8.5) - layout.Px(2.7) / 2;
    CrumpledTop = layout.Up(8.5) - layout.Px(3.3) / 2;
    StrikerTop = layout.Up(2.6) - layout.Px(11.8);

    CaptionInk = ReadableInk(kOrganOrange, BackgroundUnder(BenchBackground, 2, BenchFont()));
    HoverInk = ReadableInk(kOrganOrange, BackgroundUnder(TubeBackground, 5, HoverFont()));
}

void OrganPictures::BuildStriker(const OrganLayout& layout, int massKg)
{
    const int width = std::max(1, layout.Px(23));
    Striker = Blank(width, layout.Px(11.8), Ratio);
    ShadedBar(Striker, 0x000000, kWhite, 0x000000, 0, layout.Px(3.7), layout.Px(4.2), layout.Px(12.8), 0, width);
    Canvas canvas(Striker);
    canvas.brush.style = BrushStyle::Clear;
    canvas.font = StrikerFont();
    const QString mass = QString::number(massKg) + QStringLiteral(" kg");
    canvas.TextOut(3, canvas.Height() - canvas.TextHeight(mass) - 3, mass);
}

void OrganPictures::Clear()
{
    *this = OrganPictures{};
}
