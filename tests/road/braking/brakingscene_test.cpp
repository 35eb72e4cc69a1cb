// How one zone is composed: the scenery strip, the dial, the bands, the
// car and the panel.
#include "brakingtesting.h"

#include <QRect>
#include <QSet>
#include <cmath>

namespace {

const VehicleInputs kFast{180, 300, 100, false}; // 150 m of reaction
const QRect kBandRows(0, BrakingScene::kBandTop, 786, BrakingScene::kBandHeight);

bool StripHasScenery(const QImage& strip)
{
    const int row = strip.height() - 30;
    for (int x = 1; x < strip.width(); ++x)
        if (strip.pixel(x, row) != strip.pixel(0, row))
            return true;
    return false;
}

// The columns of the car rows where the zone differs from the plain road.
QRect ChangedArea(const QImage& a, const QImage& b, const QRect& within)
{
    QRect changed;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

// With the view's left edge at 140 m, 42 m wide, the zone shows the strip's
// last 10 m, then its first 32 m.
TEST(BrakingScene, BackgroundRunsFromTheStripsEndIntoItsStart)
{
    SceneRig rig;
    const QImage& strip = rig.scene.SceneryStrip();
    ASSERT_EQ(strip.width(), 2805);
    if (!StripHasScenery(strip))
        GTEST_SKIP() << "the scenery pictures are missing";
    rig.session.View().SetOrigin(1, 140);
    rig.Draw();
    const int offset = 2618; // Round(140 x 18.7)
    for (int y = 160; y < 187; ++y)
        for (int x = 0; x < 786; ++x) {
            const int column = (offset + x) % strip.width();
            ASSERT_EQ(rig.picture.pixel(x, y), strip.pixel(column, y)) << x << ", " << y;
        }
}

TEST(BrakingScene, NeedlePointsStraightUpAt90)
{
    SceneRig rig;
    const VehicleInputs at90{90, 100, 100, false};
    rig.ShowStep(at90, 0, 0);
    rig.ShowStep(at90, rig.session.Vehicle(1).Keys().ReactionStep, 0);
    ASSERT_NEAR(rig.session.Quantities(1).speedKmh, 90, 0.2);
    rig.Draw();
    const int r = rig.scene.DialRadius();
    const int cx = BrakingScene::kDialLeft + r;
    const int cy = BrakingScene::kDialTop + r;
    for (int y = cy - r + 8; y < cy - 6; ++y)
        EXPECT_EQ(testing_support::RgbAt(rig.picture, cx, y), 0xFF0000u) << y;
    EXPECT_NE(testing_support::RgbAt(rig.picture, cx - 12, cy - r / 2), 0xFF0000u);

    rig.ShowStep(at90, 0, 0);
    rig.Draw();
    EXPECT_NE(testing_support::RgbAt(rig.picture, cx, cy - r / 2), 0xFF0000u) << "0 km/h points down left";
}

// At the design size Trunc(R x 0.05) is 3 points: "KINEA" would be a smudge
// four pixels high.
TEST(BrakingScene, DialBrandIsReadable)
{
    SceneRig rig;
    const QImage& face = rig.scene.DialFace();
    const int r = rig.scene.DialRadius();
    int inkRows = 0;
    for (int y = r + 6; y < r + 6 + 12; ++y) {
        bool ink = false;
        for (int x = r - 20; x <= r + 20; ++x)
            ink = ink || qAlpha(face.pixel(x, y)) > 0;
        if (!ink && inkRows > 0)
            break;
        inkRows += ink;
    }
    EXPECT_GE(inkRows, 5);
}

// A stretch longer than the view fills the band across the whole width
// with square ends and its label centred.
TEST(BrakingScene, BandCoveringTheViewHasSquareEndsAndACentredLabel)
{
    SceneRig rig;
    rig.ShowStep(kFast, 0, 0);
    const KeyPoints& keys = rig.session.Vehicle(1).Keys();
    const double origin = keys.ReactionPos + 10;
    rig.ShowStep(kFast, keys.BrakeStep + 10, origin);
    rig.Draw();
    const QImage plain = rig.Background(origin);
    for (int x : {0, 1, 300, 784, 785})
        for (int y : {BrakingScene::kBandTop, BrakingScene::kBandTop + 25}) {
            const QRgb bg = plain.pixel(x, y);
            const QRgb expected = qRgb(qRed(bg) * 110 / 256, qGreen(bg) * 90 / 256, qBlue(bg) * 70 / 256);
            EXPECT_EQ(rig.picture.pixel(x, y), expected) << x << ", " << y;
        }
    QRect label;
    for (int y = kBandRows.top(); y <= kBandRows.bottom(); ++y)
        for (int x = 0; x < 786; ++x)
            if ((rig.picture.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu)
                label |= QRect(x, y, 1, 1);
    ASSERT_FALSE(label.isNull());
    EXPECT_NEAR(label.center().x(), 393, 4);
}

TEST(BrakingScene, BandNarrowerThanItsLabelShowsNoLabel)
{
    SceneRig rig;
    const VehicleInputs slow{5, 50, 100, false};
    rig.ShowStep(slow, 0, 0);
    const KeyPoints& keys = rig.session.Vehicle(1).Keys();
    rig.ShowStep(slow, keys.StopStep, 0);
    rig.Draw();
    EXPECT_EQ(CountNear(rig.picture, kBandRows, 0xFFFFFF, 0), 0);
    const QImage plain = rig.Background(0);
    const int reactionColumn = int(std::lround(keys.ReactionPos * 18.7));
    EXPECT_NE(rig.picture.pixel(reactionColumn + 6, 16), plain.pixel(reactionColumn + 6, 16)) << "band drawn";
}

// A pointed end a few pixels from the right edge leaves nothing to shade:
// the rows stay as they were instead of turning black.
TEST(BrakingScene, PointedEndAtTheRightEdgeLeavesTheRowsAlone)
{
    SceneRig rig;
    const VehicleInputs defaults{60, 100, 100, false};
    rig.ShowStep(defaults, 0, 0);
    const double reaction = rig.session.Vehicle(1).Keys().ReactionPos;
    const double origin = reaction - 781 / 18.7;
    rig.ShowStep(defaults, 560, origin);
    rig.Draw();
    const QImage plain = rig.Background(origin);
    for (int y = kBandRows.top(); y <= kBandRows.bottom(); ++y)
        EXPECT_EQ(rig.picture.pixel(100, y), plain.pixel(100, y)) << y;
}

// The car is as long as the 6.1 m the model moves, and its mask comes from
// the drawing's transparency: around it the road stays exactly as it was,
// and inside its outline no pixel keeps the magenta the picture is keyed
// on (a halo on the mask's edge).
TEST(BrakingScene, CarIsSixPointOneMetresLongWithNoHalo)
{
    SceneRig rig;
    EXPECT_EQ(rig.scene.CarWidth(), 114);
    EXPECT_EQ(rig.scene.CarHeight(), 34);
    if (rig.scene.CarRed().isNull())
        GTEST_SKIP() << "the car picture is missing";
    rig.session.View().Follow(1, {20, 0, phReacting});
    rig.Draw();
    const QImage plain = rig.Background(0);
    const QImage& mask = rig.scene.CarMask();
    const int left = int(std::lround((20 - CarLength) * 18.7));
    const int top = 187 - int(std::lround(0.7 * 18.7)) - 34;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb m = mask.pixel(x, y) & 0xFFFFFFu;
            ASSERT_TRUE(m == 0 || m == 0xFFFFFFu);
            const QRgb shown = rig.picture.pixel(left + x, top + y);
            if (m == 0) {
                ASSERT_EQ(shown, plain.pixel(left + x, top + y)) << x << ", " << y;
            } else {
                const bool magenta = qRed(shown) - qGreen(shown) > 60 && qBlue(shown) - qGreen(shown) > 60;
                ASSERT_FALSE(magenta) << x << ", " << y;
            }
        }
}

TEST(BrakingScene, CarLeavesTheViewPastItsOwnLengthOrBehindTheLeftEdge)
{
    SceneRig rig;
    if (rig.scene.CarRed().isNull())
        GTEST_SKIP() << "the car picture is missing";
    const QImage plain = rig.Background(0);
    const QRect carRows(0, 187 - 13 - 34, 786, 34);
    const double width = rig.session.View().ViewWidth();
    struct Case
    {
        const char* name;
        double front;
        bool shown;
    };
    const Case cases[] = {
        {"rear just inside", width + CarLength - 0.5, true},
        {"a length past the edge", width + CarLength + 0.05, false},
        {"front left of the view", -0.05, false},
    };
    for (const Case& c : cases) {
        rig.session.View().Follow(1, {c.front, 0, phReacting});
        rig.session.View().SetOrigin(1, 0);
        rig.Draw();
        EXPECT_EQ(!ChangedArea(rig.picture, plain, carRows).isNull(), c.shown) << c.name;
    }
}

// The translucent panel is drawn over the car: a car stopped under it
// never hides "Véhicule à l'arrêt".
TEST(BrakingScene, StoppedCarUnderThePanelLeavesItsTextReadable)
{
    SceneRig rig(QSize(786, 187), 4);
    if (rig.scene.CarRed().isNull())
        GTEST_SKIP() << "the car picture is missing";
    const VehicleInputs defaults{60, 100, 100, false};
    rig.ShowStep(defaults, 0, 0);
    const KeyPoints& keys = rig.session.Vehicle(1).Keys();
    // At 46.75 px/m the car's 6.1 m reach from x = 500 to the right edge.
    rig.ShowStep(defaults, keys.StopStep, keys.StopPos - 786 / 46.75);
    rig.Draw();
    const QRect phaseLine(786 - 151 + 7, 32 + 81, 120, 14);
    EXPECT_GT(CountNear(rig.picture, phaseLine, qRgb(0xFF, 0xE0, 0xE0), 40), 40);
}

// The panel's values end 7 pixels from its right edge (x = 140 in the
// panel), each as wide as its text: "59.9 km/h" at the driver's reaction.
TEST(BrakingScene, ThePanelWritesTheReadoutRightAligned)
{
    SceneRig rig;
    const VehicleInputs defaults{60, 100, 100, false};
    rig.ShowStep(defaults, 0, 0);
    rig.ShowStep(defaults, rig.session.Vehicle(1).Keys().ReactionStep, 0);
    rig.Draw();
    const ReadoutTexts texts = ReadoutLines(rig.session.Quantities(1));
    ASSERT_EQ(texts.values[0], QStringLiteral("59.9 km/h"));
    QImage probe(1, 1, QImage::Format_RGB32);
    Canvas measure(probe);
    measure.font.SetPointSize(10);
    measure.font.bold = true;
    const int panelLeft = 786 - 151;
    for (int line = 0; line < 3; ++line) {
        // The light ink on the value's half of the line.
        QRect ink;
        for (int y = 32 + 6 + 15 * line; y < 32 + 6 + 15 * line + 15; ++y)
            for (int x = panelLeft + 70; x < panelLeft + 147; ++x)
                if (qRed(rig.picture.pixel(x, y)) > 200 && qGreen(rig.picture.pixel(x, y)) > 150)
                    ink |= QRect(x, y, 1, 1);
        SCOPED_TRACE(qPrintable(texts.values[std::size_t(line)]));
        ASSERT_FALSE(ink.isNull());
        EXPECT_NEAR(ink.right(), panelLeft + 140, 2);
        EXPECT_NEAR(ink.width(), measure.TextWidth(texts.values[std::size_t(line)]), 3);
    }
}

// Zones of any size and scale compose without touching memory outside
// their pictures (the sanitizers watch), into a picture of the zone's size
// that shows the road and its overlays wherever the zone can hold them.
TEST(BrakingScene, HostileSizesAndScalesComposeSafely)
{
    const QSize zones[] = {{1, 1}, {3, 2}, {100, 5}, {20000, 30}, {700, 1200}};
    const double heights[] = {4, 10, 256, 1e6};
    for (QSize zone : zones)
        for (double height : heights) {
            SCOPED_TRACE(testing::Message() << zone.width() << "x" << zone.height() << " at " << height);
            SceneRig rig(zone, height);
            rig.ShowStep(kFast, 0, 0);
            rig.ShowStep(kFast, rig.session.Vehicle(1).Keys().BrakeStep + 5, 0);
            rig.Draw(1);
            rig.Draw(2);
            ASSERT_EQ(rig.picture.size(), zone);
            if (zone.width() >= 100 && zone.height() >= 30) {
                // Road, scenery, dial: several colours, not a blank.
                QSet<QRgb> colours;
                for (int y = 0; y < zone.height(); y += 3)
                    for (int x = 0; x < std::min(zone.width(), 2000); x += 7)
                        colours.insert(rig.picture.pixel(x, y));
                EXPECT_GT(colours.size(), 3);
            }
        }
}

} // namespace
