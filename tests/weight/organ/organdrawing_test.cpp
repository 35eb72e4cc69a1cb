// What the kinetic organ draws: the bench after a shot, the tubes standing
// on their baseline, the selection and hover overlays and the info panel.
#include "organtesting.h"

#include "canvas/colorcontrast.h"

#include <QColor>

namespace {

using OrganDrawing = OrganTest;

// How many pixels of `area` have exactly `rgb`.
int count(const QImage& image, const QRect& area, unsigned rgb)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += rgbAt(image, x, y) == rgb ? 1 : 0;
    return n;
}

unsigned tinted(unsigned rgb)
{
    return (((rgb >> 16 & 0xFF) * 255 / 256) << 16) | (((rgb >> 8 & 0xFF) * 200 / 256) << 8)
           | ((rgb & 0xFF) * 150 / 256);
}

// The ink keeps the light orange's hue and reads on `background`.
void expectReadable(TColor ink, const QImage& background, int row)
{
    const TColor under = CanvasFromQColor(colorAt(background, 0, row));
    EXPECT_GE(ContrastRatio(ink, under), 4.5);
    EXPECT_NEAR(QColorFromCanvas(ink).hueF(), QColorFromCanvas(0x95C4F9).hueF(), 0.01);
}

TEST_F(OrganDrawing, APushedInTubeLeavesAYellowishZoneAndAReadableCaption)
{
    shoot(50);
    const OrganLayout& layout = model().Layout();
    const QImage& background = window->pictures().BenchBackground;
    const int stop = model().Shot().StopX();
    const int middle = (stop + layout.TubeEnd()) / 2;
    EXPECT_EQ(rgbAt(bench(), middle, 1), tinted(rgbAt(background, middle, 1)));
    EXPECT_EQ(rgbAt(bench(), stop - 1, 1), rgbAt(background, stop - 1, 1));
    EXPECT_EQ(rgbAt(bench(), layout.TubeEnd() + 2, 1), rgbAt(background, layout.TubeEnd() + 2, 1));

    // The caption is written in its ink right of the tube's former end.
    const TColor ink = window->pictures().CaptionInk;
    EXPECT_GT(count(bench(), QRect(layout.TubeEnd() + 4, 2, 120, 16), rgbOf(ink)), 10);
    expectReadable(ink, background, 17);
}

TEST_F(OrganDrawing, AShotAtRestPushesNothingIn)
{
    shoot(0);
    const OrganLayout& layout = model().Layout();
    const QImage& background = window->pictures().BenchBackground;
    for (int x = layout.px(10); x < layout.TubeEnd(); x += 7)
        EXPECT_EQ(rgbAt(bench(), x, 1), rgbAt(background, x, 1)) << x;
    // The striker rests at home, out of sight; the intact tube lies there.
    EXPECT_EQ(rgbAt(bench(), layout.TubeEnd() - 1, window->pictures().TubeTop + 1),
              rgbAt(window->pictures().SideIntact, layout.px(32) - 1, 1));
}

TEST_F(OrganDrawing, AWhollyCrumpledTubeStartsAtTheStopBlock)
{
    shoot(130);
    const OrganLayout& layout = model().Layout();
    ASSERT_LE(model().Shot().StraightPx(), 0);
    const OrganPictures& pictures = window->pictures();
    // The crumpled part stands out one row above the intact tube's top.
    const int row = pictures.CrumpledTop;
    ASSERT_LT(row, pictures.TubeTop);
    // The striker stands over its last column.
    const int length = model().Shot().StraightPx() + model().Shot().DeformedPx();
    ASSERT_GT(length, 10);
    for (int x = layout.px(10); x < std::min(layout.px(10) + length, model().Shot().StopX()); ++x)
        EXPECT_EQ(rgbAt(bench(), x, row), rgbAt(pictures.SideCrumpled, x - layout.px(10), 0)) << x;
}

TEST_F(OrganDrawing, TheStrikerIsDrawnWhereItStandsAsWideAsItsMassMakesIt)
{
    spin("MasseSpin", false, 10);
    const int x = model().Shot().StrikerX();
    const int width = model().Layout().StrikerWidth(10);
    const OrganPictures& pictures = window->pictures();
    const int row = pictures.StrikerTop + model().Layout().px(4);
    EXPECT_EQ(rgbAt(bench(), x, row), rgbAt(pictures.Striker, 0, row - pictures.StrikerTop));
    EXPECT_EQ(rgbAt(bench(), x + width - 1, row), rgbAt(pictures.Striker, width - 1, row - pictures.StrikerTop));
    EXPECT_EQ(rgbAt(bench(), x + width, row), rgbAt(pictures.BenchBackground, x + width, row));
}

TEST_F(OrganDrawing, TubesStandOnTheBaselineAsLongAsTheyAreLeft)
{
    AppSettings.TubeLabFlag = false;
    shoot(130);
    const OrganLayout& layout = model().Layout();
    const TubeRecord& tube = model().Tubes().Tube(1);
    const int centre = layout.tubePx(4);
    const int top = layout.TubeBaseline() - layout.tubePx(tube.StraightLength()) - layout.tubePx(tube.Deformed);
    const QImage& background = window->pictures().TubeBackground;
    EXPECT_NE(rgbAt(tubes(), centre, layout.TubeBaseline() - 1), rgbAt(background, centre, layout.TubeBaseline() - 1));
    EXPECT_EQ(rgbAt(tubes(), centre, layout.TubeBaseline()), rgbAt(background, centre, layout.TubeBaseline()));
    EXPECT_NE(rgbAt(tubes(), centre, top), rgbAt(background, centre, top));
    EXPECT_EQ(rgbAt(tubes(), centre, top - 1), rgbAt(background, centre, top - 1));
}

TEST_F(OrganDrawing, LabelsOnTheTubesFollowTheirSetting)
{
    shoot(50);
    const int centre = model().Layout().tubePx(4);
    const QRect foot(centre - 20, model().Layout().TubeBaseline() - 40, 40, 40);
    EXPECT_GT(count(tubes(), foot, rgbOf(0x300000)), 10);
    AppSettings.TubeLabFlag = false;
    click("OptionsBout");
    EXPECT_EQ(count(tubes(), foot, rgbOf(0x300000)), 0);
}

TEST_F(OrganDrawing, SelectionAndHoverOverlays)
{
    shoot(30);
    shoot(60);
    const OrganLayout& layout = model().Layout();
    const int left1 = layout.tubePx(4 - 1.815);
    const int left2 = layout.tubePx(8 - 1.815);
    const int right2 = layout.tubePx(8 + 1.815);
    pressOn(widget("Display2"), tubeCentre(2));
    EXPECT_EQ(rgbAt(tubes(), left2, 5), rgbOf(0x95C4F9));
    EXPECT_EQ(rgbAt(tubes(), right2 - 1, layout.TubesHeight() - 6), rgbOf(0x95C4F9));
    EXPECT_NE(rgbAt(tubes(), right2, 50), rgbOf(0x95C4F9));

    // Hovering the selected tube frames it in grey.
    moveOverTube(2);
    EXPECT_EQ(rgbAt(tubes(), left2, 100), rgbOf(0x808080));
    // Another tube hovered is framed in the highlight colour and numbered
    // left of its frame in a readable ink.
    moveOverTube(1);
    EXPECT_EQ(rgbAt(tubes(), left1, 100), rgbOf(0x95C4F9));
    EXPECT_EQ(rgbAt(tubes(), left1 + 1, 100), rgbAt(window->pictures().TubeBackground, left1 + 1, 100));
    const TColor ink = window->pictures().HoverInk;
    EXPECT_GT(count(tubes(), QRect(0, 5, left1, 16), rgbOf(ink)), 3);
    expectReadable(ink, window->pictures().TubeBackground, 20);
}

// The number of a hovered tube stands partly on the highlight of the
// selected tube on its left: its darkest pixels read on both.
TEST_F(OrganDrawing, TheHoverNumberReadsOnTheSelectedNeighbour)
{
    shoot(30);
    shoot(60);
    pressOn(widget("Display2"), tubeCentre(1));
    moveOverTube(2);
    const int left2 = model().Layout().tubePx(8 - 1.815);
    const QRect cell(left2 - 20, 5, 20, 16);
    QColor darkest = Qt::white;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (colorAt(tubes(), x, y).lightnessF() < darkest.lightnessF())
                darkest = colorAt(tubes(), x, y);
    const TColor ink = CanvasFromQColor(darkest);
    EXPECT_GE(ContrastRatio(ink, 0x95C4F9), 4.5);
    EXPECT_GE(ContrastRatio(ink, CanvasFromQColor(colorAt(window->pictures().TubeBackground, 0, 20))), 4.5);
}

TEST_F(OrganDrawing, TheInfoPanelDarkensItsCornerRoundedBoxAndPrefersTheSelection)
{
    shoot(30);
    shoot(60);
    const int width = model().Layout().DisplayWidth();
    const QRect panel(width - 254, 4, 250, 130);
    const QImage& field = window->pictures().TubeBackground;
    moveOverTube(1);
    EXPECT_EQ(rgbAt(tubes(), panel.left(), panel.top()), rgbAt(field, panel.left(), panel.top()));
    const QPoint inside(panel.left() + 3, panel.center().y());
    const unsigned plain = rgbAt(field, inside.x(), inside.y());
    const unsigned dark
        = ((plain >> 16 & 0xFF) * 110 / 256) << 16 | ((plain >> 8 & 0xFF) * 90 / 256) << 8 | (plain & 0xFF) * 70 / 256;
    EXPECT_EQ(rgbAt(tubes(), inside.x(), inside.y()), dark);
    EXPECT_GT(count(tubes(), panel, rgbOf(0xE0E0FF)), 50);

    pressOn(widget("Display2"), tubeCentre(2));
    leave(widget("Display2"));
    const QImage selectedOnly = tubes().copy(panel);
    moveOverTube(1);
    EXPECT_EQ(tubes().copy(panel), selectedOnly);
}

} // namespace
