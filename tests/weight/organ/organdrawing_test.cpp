// What the kinetic organ draws: the bench after a shot, the tubes standing
// on their baseline, the selection and hover overlays and the info panel.
#include "organtesting.h"

#include "canvas/colorcontrast.h"

#include <QColor>

namespace {

using OrganDrawing = OrganTest;

// How many pixels of `area` have exactly `rgb`.
int Count(const QImage& image, const QRect& area, unsigned rgb)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += RgbAt(image, x, y) == rgb ? 1 : 0;
    return n;
}

unsigned Tinted(unsigned rgb)
{
    return (((rgb >> 16 & 0xFF) * 255 / 256) << 16) | (((rgb >> 8 & 0xFF) * 200 / 256) << 8)
           | ((rgb & 0xFF) * 150 / 256);
}

// The ink keeps the light orange's hue and reads on `background`.
void ExpectReadable(TColor ink, const QImage& background, int row)
{
    const TColor under = CanvasFromQColor(ColorAt(background, 0, row));
    EXPECT_GE(ContrastRatio(ink, under), 4.5);
    EXPECT_NEAR(QColorFromCanvas(ink).hueF(), QColorFromCanvas(0x95C4F9).hueF(), 0.01);
}

TEST_F(OrganDrawing, APushedInTubeLeavesAYellowishZoneAndAReadableCaption)
{
    Shoot(50);
    const OrganLayout& layout = Model().Layout();
    const QImage& background = window->Pictures().BenchBackground;
    const int stop = Model().Shot().StopX();
    const int middle = (stop + layout.TubeEnd()) / 2;
    EXPECT_EQ(RgbAt(Bench(), middle, 1), Tinted(RgbAt(background, middle, 1)));
    EXPECT_EQ(RgbAt(Bench(), stop - 1, 1), RgbAt(background, stop - 1, 1));
    EXPECT_EQ(RgbAt(Bench(), layout.TubeEnd() + 2, 1), RgbAt(background, layout.TubeEnd() + 2, 1));

    // The caption is written in its ink right of the tube's former end.
    const TColor ink = window->Pictures().CaptionInk;
    EXPECT_GT(Count(Bench(), QRect(layout.TubeEnd() + 4, 2, 120, 16), RgbOf(ink)), 10);
    ExpectReadable(ink, background, 17);
}

TEST_F(OrganDrawing, AShotAtRestPushesNothingIn)
{
    Shoot(0);
    const OrganLayout& layout = Model().Layout();
    const QImage& background = window->Pictures().BenchBackground;
    for (int x = layout.Px(10); x < layout.TubeEnd(); x += 7)
        EXPECT_EQ(RgbAt(Bench(), x, 1), RgbAt(background, x, 1)) << x;
    // The striker rests at home, out of sight; the intact tube lies there.
    EXPECT_EQ(RgbAt(Bench(), layout.TubeEnd() - 1, window->Pictures().TubeTop + 1),
              RgbAt(window->Pictures().SideIntact, layout.Px(32) - 1, 1));
}

TEST_F(OrganDrawing, AWhollyCrumpledTubeStartsAtTheStopBlock)
{
    Shoot(130);
    const OrganLayout& layout = Model().Layout();
    ASSERT_LE(Model().Shot().StraightPx(), 0);
    const OrganPictures& pictures = window->Pictures();
    // The crumpled part stands out one row above the intact tube's top.
    const int row = pictures.CrumpledTop;
    ASSERT_LT(row, pictures.TubeTop);
    // The striker stands over its last column.
    const int length = Model().Shot().StraightPx() + Model().Shot().DeformedPx();
    ASSERT_GT(length, 10);
    for (int x = layout.Px(10); x < std::min(layout.Px(10) + length, Model().Shot().StopX()); ++x)
        EXPECT_EQ(RgbAt(Bench(), x, row), RgbAt(pictures.SideCrumpled, x - layout.Px(10), 0)) << x;
}

TEST_F(OrganDrawing, TheStrikerIsDrawnWhereItStandsAsWideAsItsMassMakesIt)
{
    Spin("MasseSpin", false, 10);
    const int x = Model().Shot().StrikerX();
    const int width = Model().Layout().StrikerWidth(10);
    const OrganPictures& pictures = window->Pictures();
    const int row = pictures.StrikerTop + Model().Layout().Px(4);
    EXPECT_EQ(RgbAt(Bench(), x, row), RgbAt(pictures.Striker, 0, row - pictures.StrikerTop));
    EXPECT_EQ(RgbAt(Bench(), x + width - 1, row), RgbAt(pictures.Striker, width - 1, row - pictures.StrikerTop));
    EXPECT_EQ(RgbAt(Bench(), x + width, row), RgbAt(pictures.BenchBackground, x + width, row));
}

TEST_F(OrganDrawing, TubesStandOnTheBaselineAsLongAsTheyAreLeft)
{
    AppSettings.TubeLabFlag = false;
    Shoot(130);
    const OrganLayout& layout = Model().Layout();
    const TubeRecord& tube = Model().Tubes().Tube(1);
    const int centre = layout.TubePx(4);
    const int top = layout.TubeBaseline() - layout.TubePx(tube.StraightLength()) - layout.TubePx(tube.Deformed);
    const QImage& background = window->Pictures().TubeBackground;
    EXPECT_NE(RgbAt(Tubes(), centre, layout.TubeBaseline() - 1), RgbAt(background, centre, layout.TubeBaseline() - 1));
    EXPECT_EQ(RgbAt(Tubes(), centre, layout.TubeBaseline()), RgbAt(background, centre, layout.TubeBaseline()));
    EXPECT_NE(RgbAt(Tubes(), centre, top), RgbAt(background, centre, top));
    EXPECT_EQ(RgbAt(Tubes(), centre, top - 1), RgbAt(background, centre, top - 1));
}

TEST_F(OrganDrawing, LabelsOnTheTubesFollowTheirSetting)
{
    Shoot(50);
    const int centre = Model().Layout().TubePx(4);
    const QRect foot(centre - 20, Model().Layout().TubeBaseline() - 40, 40, 40);
    EXPECT_GT(Count(Tubes(), foot, RgbOf(0x300000)), 10);
    AppSettings.TubeLabFlag = false;
    Click("OptionsBout");
    EXPECT_EQ(Count(Tubes(), foot, RgbOf(0x300000)), 0);
}

TEST_F(OrganDrawing, SelectionAndHoverOverlays)
{
    Shoot(30);
    Shoot(60);
    const OrganLayout& layout = Model().Layout();
    const int left1 = layout.TubePx(4 - 1.815);
    const int left2 = layout.TubePx(8 - 1.815);
    const int right2 = layout.TubePx(8 + 1.815);
    PressOn(Widget("Display2"), TubeCentre(2));
    EXPECT_EQ(RgbAt(Tubes(), left2, 5), RgbOf(0x95C4F9));
    EXPECT_EQ(RgbAt(Tubes(), right2 - 1, layout.TubesHeight() - 6), RgbOf(0x95C4F9));
    EXPECT_NE(RgbAt(Tubes(), right2, 50), RgbOf(0x95C4F9));

    // Hovering the selected tube frames it in grey.
    MoveOverTube(2);
    EXPECT_EQ(RgbAt(Tubes(), left2, 100), RgbOf(0x808080));
    // Another tube hovered is framed in the highlight colour and numbered
    // left of its frame in a readable ink.
    MoveOverTube(1);
    EXPECT_EQ(RgbAt(Tubes(), left1, 100), RgbOf(0x95C4F9));
    EXPECT_EQ(RgbAt(Tubes(), left1 + 1, 100), RgbAt(window->Pictures().TubeBackground, left1 + 1, 100));
    const TColor ink = window->Pictures().HoverInk;
    EXPECT_GT(Count(Tubes(), QRect(0, 5, left1, 16), RgbOf(ink)), 3);
    ExpectReadable(ink, window->Pictures().TubeBackground, 20);
}

// The number of a hovered tube stands partly on the highlight of the
// selected tube on its left: its darkest pixels read on both.
TEST_F(OrganDrawing, TheHoverNumberReadsOnTheSelectedNeighbour)
{
    Shoot(30);
    Shoot(60);
    PressOn(Widget("Display2"), TubeCentre(1));
    MoveOverTube(2);
    const int left2 = Model().Layout().TubePx(8 - 1.815);
    const QRect cell(left2 - 20, 5, 20, 16);
    QColor darkest = Qt::white;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (ColorAt(Tubes(), x, y).lightnessF() < darkest.lightnessF())
                darkest = ColorAt(Tubes(), x, y);
    const TColor ink = CanvasFromQColor(darkest);
    EXPECT_GE(ContrastRatio(ink, 0x95C4F9), 4.5);
    EXPECT_GE(ContrastRatio(ink, CanvasFromQColor(ColorAt(window->Pictures().TubeBackground, 0, 20))), 4.5);
}

TEST_F(OrganDrawing, TheInfoPanelDarkensItsCornerRoundedBoxAndPrefersTheSelection)
{
    Shoot(30);
    Shoot(60);
    const int width = Model().Layout().DisplayWidth();
    const QRect panel(width - 254, 4, 250, 130);
    const QImage& field = window->Pictures().TubeBackground;
    MoveOverTube(1);
    EXPECT_EQ(RgbAt(Tubes(), panel.left(), panel.top()), RgbAt(field, panel.left(), panel.top()));
    const QPoint inside(panel.left() + 3, panel.center().y());
    const unsigned plain = RgbAt(field, inside.x(), inside.y());
    const unsigned dark
        = ((plain >> 16 & 0xFF) * 110 / 256) << 16 | ((plain >> 8 & 0xFF) * 90 / 256) << 8 | (plain & 0xFF) * 70 / 256;
    EXPECT_EQ(RgbAt(Tubes(), inside.x(), inside.y()), dark);
    EXPECT_GT(Count(Tubes(), panel, RgbOf(0xE0E0FF)), 50);

    PressOn(Widget("Display2"), TubeCentre(2));
    Leave(Widget("Display2"));
    const QImage selectedOnly = Tubes().copy(panel);
    MoveOverTube(1);
    EXPECT_EQ(Tubes().copy(panel), selectedOnly);
}

} // namespace
