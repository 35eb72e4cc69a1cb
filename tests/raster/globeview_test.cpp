// The globe view's slots: allocation, maps with their markers, rendering of
// the sphere into the slot's picture.
#include "globetesting.h"

#include "canvas/textformat.h"
#include "raster/globeview.h"
#include "support/testhelpers.h"

#include <cmath>
#include <limits>

namespace {

using testing_support::RgbAt;

constexpr TDibColor kRed = 0xFF0000;

TEST_F(GlobeViewTest, AllocatedSlotsHaveTheirSurfacesAndPicture)
{
    for (int s = kFirstGlobeSlot; s <= kLastGlobeSlot; ++s) {
        ASSERT_NE(GlobeMap(s), nullptr);
        EXPECT_EQ(GlobeMap(s)->Width(), 642);
        EXPECT_EQ(GlobeMap(s)->Height(), 621);
        EXPECT_EQ(GlobeImage(s)->Width(), 206);
        EXPECT_EQ(GlobePicture(s).size(), QSize(217, 217));
    }
    ASSERT_NE(LabelSurface(), nullptr);
    EXPECT_EQ(LabelSurface()->Width(), 145);
    EXPECT_EQ(LabelSurface()->Height(), 55);
}

TEST_F(GlobeViewTest, ANewPictureIsWhiteBeforeItsFirstRender)
{
    FreeGlobes(2, 2, false);
    AllocateGlobes(2, 2);
    const QImage& picture = GlobePicture(2);
    for (int y = 0; y < 217; y += 6)
        for (int x = 0; x < 217; x += 6)
            ASSERT_EQ(RgbAt(picture, x, y), 0xFFFFFFu) << x << "," << y;
}

TEST_F(GlobeViewTest, FreeingWithAnEmptyRangeReleasesOnlyTheCaptionSurface)
{
    FreeGlobes(4, 0, true);
    EXPECT_NE(GlobeMap(4), nullptr);
    EXPECT_EQ(LabelSurface(), nullptr);
    // A later allocation brings the caption surface back.
    AllocateGlobes(4, 4);
    EXPECT_NE(LabelSurface(), nullptr);
}

TEST_F(GlobeViewTest, FreeingSlotsWithoutTheLabelKeepsIt)
{
    FreeGlobes(1, 3, false);
    EXPECT_EQ(GlobeMap(1), nullptr);
    EXPECT_TRUE(GlobePicture(3).isNull());
    EXPECT_NE(GlobeMap(4), nullptr);
    EXPECT_NE(LabelSurface(), nullptr);
}

TEST_F(GlobeViewTest, SlotsOutsideOneToFourAreIgnored)
{
    for (int s : {-1, 0, 5, 1000}) {
        EXPECT_EQ(GlobeMap(s), nullptr);
        LoadGlobeMap(s, false);
        RenderGlobe(s, "x", "y", true, 0);
        EXPECT_TRUE(GlobePicture(s).isNull());
    }
    FreeGlobes(1, 3, false);
    GlobePlace[2] = 1;
    LoadGlobeMap(2, false);
    RenderGlobe(2, "", "", true, 0);
    EXPECT_TRUE(GlobePicture(2).isNull());
}

TEST_F(GlobeViewTest, PlanetPicturesAreNamedAfterTheBodies)
{
    EXPECT_EQ(PlanetPictureName(1), "Mercure_jpg");
    EXPECT_EQ(PlanetPictureName(3), "Terre_jpg");
    EXPECT_EQ(PlanetPictureName(11), "Soleil_jpg");
    EXPECT_TRUE(PlanetPictureName(0).isEmpty());
    EXPECT_TRUE(PlanetPictureName(12).isEmpty());
}

TEST_F(GlobeViewTest, ThePlanetPictureFillsTheTopRowsOfTheMap)
{
    TDibPlus& map = Show(1, 1);
    // The Pacific is blue, the rows under the map stay black.
    const TDibColor ocean = map.GetPixel(53, 160);
    EXPECT_GT(ocean & 0xFF, (ocean >> 16) + 20);
    EXPECT_NE(map.GetPixel(641, 320), 0u);
    EXPECT_EQ(map.GetPixel(300, 321), 0u);
    EXPECT_EQ(map.GetPixel(300, 620), 0u);
}

TEST_F(GlobeViewTest, ADotMarkerIsARedDiscInItsSixPixelBox)
{
    TDibPlus& map = Show(1, 1);
    EXPECT_EQ(map.GetPixel(322, 74), kRed);
    EXPECT_EQ(map.GetPixel(320, 74), kRed);
    EXPECT_EQ(map.GetPixel(322, 72), kRed);
    EXPECT_NE(map.GetPixel(326, 74), kRed);
    EXPECT_NE(map.GetPixel(322, 78), kRed);
}

TEST_F(GlobeViewTest, MarkX1000DrawsA640By3BandAlongTheTopWhateverMarkY)
{
    TDibPlus& map = Show(2, 2);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(map.GetPixel(0, y), kRed);
        EXPECT_EQ(map.GetPixel(639, y), kRed);
        EXPECT_EQ(map.GetPixel(640, y), 0u) << "row " << y;
        EXPECT_EQ(map.GetPixel(641, y), 0u);
    }
    EXPECT_EQ(map.GetPixel(0, 3), 0u);
    EXPECT_EQ(map.GetPixel(200, 48), 0u);
}

TEST_F(GlobeViewTest, AMarkRadiusDrawsADottedCircle)
{
    TDibPlus& map = Show(1, 4);
    EXPECT_NE(map.GetPixel(300, 100), kRed);
    int red = 0, notRed = 0;
    for (int k = 0; k < 360; k += 3) {
        const int x = RoundHalfEven(300 + 19.5 * std::cos(k * M_PI / 180));
        const int y = RoundHalfEven(100 + 19.5 * std::sin(k * M_PI / 180));
        (map.GetPixel(x, y) == kRed ? red : notRed) += 1;
    }
    EXPECT_GT(red, 10);
    EXPECT_GT(notRed, 10);
}

TEST_F(GlobeViewTest, MarkersBeyondThePaintersReachAreLeftOut)
{
    // An event text can hold any integers: the box of these markers
    // overflows int or leaves the coordinates a painter can draw.
    const PlaceRecord records[] = {
        {0, true, 2147483647, -2147483647 - 1, 2147483647, 0, 0, 0.0},
        {0, true, 0, 2147483647, -2147483647 - 1, 0, 0, 0.0},
        {0, true, -2147483647 - 1, 300, 100, 0, 0, 0.0},
        {0, true, 40000, 40300, 100, 0, 0, 0.0},
    };
    for (const PlaceRecord& record : records) {
        GlobeMap(4)->Fill(0x000000);
        GlobeEventRecord = record;
        LoadGlobeMap(4, true);
        const TDibPlus& map = *GlobeMap(4);
        int red = 0;
        for (int y = 0; y < map.Height(); ++y)
            for (int x = 0; x < map.Width(); ++x)
                red += map.GetPixel(x, y) == kRed;
        EXPECT_EQ(red, 0) << record.MarkRadius << " at " << record.MarkX << "," << record.MarkY;
    }
}

TEST_F(GlobeViewTest, PictureZeroKeepsTheMapAsItWas)
{
    GlobeMap(3)->SetPixel(10, 10, 0x123456);
    Show(3, 2);
    EXPECT_EQ(GlobeMap(3)->GetPixel(10, 10), 0x123456u);
}

TEST_F(GlobeViewTest, AMissingPictureLeavesTheMapBlackAndTheProgramRunning)
{
    Show(1, 1);
    TDibPlus& map = Show(1, 3);
    for (int y = 0; y < 321; y += 40)
        for (int x = 0; x < 642; x += 40)
            ASSERT_EQ(map.GetPixel(x, y), 0u) << x << "," << y;
}

TEST_F(GlobeViewTest, PlacesBeyondTheTableAreIgnored)
{
    GlobeMap(1)->SetPixel(5, 5, 0x123456);
    Show(1, 99);
    Show(1, -4);
    EXPECT_EQ(GlobeMap(1)->GetPixel(5, 5), 0x123456u);
}

TEST_F(GlobeViewTest, AnEventRecordShowsItsPlaceAsPlaceOne)
{
    GlobeEventRecord = {0, true, 0, 1000, 0, 0, 0, 0.0};
    GlobePlace[4] = 0;
    LoadGlobeMap(4, true);
    EXPECT_EQ(GlobePlace[4], 1);
    EXPECT_EQ(GlobeMap(4)->GetPixel(100, 1), kRed);
}

TEST_F(GlobeViewTest, ASlotShowingNothingRendersAPlainBackgroundSquare)
{
    RenderGlobe(1, "Titre", "Détail", false, 0x336699);
    const QImage& picture = GlobePicture(1);
    for (int y = 0; y < 217; ++y)
        for (int x = 0; x < 217; ++x)
            ASSERT_EQ(RgbAt(picture, x, y), 0x996633u) << x << "," << y;
}

TEST_F(GlobeViewTest, TheSphereSitsAtFiveFiveOnTheBackground)
{
    Show(1, 1);
    RenderGlobe(1, "", "", false, 0x336699);
    const QImage& picture = GlobePicture(1);
    constexpr unsigned background = 0x996633;
    EXPECT_EQ(RgbAt(picture, 4, 108), background);
    EXPECT_EQ(RgbAt(picture, 212, 108), background);
    EXPECT_EQ(RgbAt(picture, 5, 5), background); // corner of the image, off the sphere
    EXPECT_NE(RgbAt(picture, 108, 108), background); // centre of the sphere
    EXPECT_NE(RgbAt(picture, 108, 6), background); // its top
    EXPECT_EQ(RgbAt(picture, 108, 5), background);
    EXPECT_EQ(RgbAt(picture, 211, 211), background);
}

TEST_F(GlobeViewTest, ParisSitsUnderItsRedDotAtTheAnglesOfItsPlace)
{
    Show(1, 1);
    GlobeTurn[1] = 176;
    GlobeTilt[1] = -48;
    RenderGlobe(1, "", "", false, 0);
    const QImage& picture = GlobePicture(1);
    // The dot is a little west of the centre: column 322 where 328 faces us.
    int redNearCentre = 0;
    for (int y = 100; y <= 116; ++y)
        for (int x = 100; x <= 116; ++x)
            redNearCentre += RgbAt(picture, x, y) == kRed;
    EXPECT_GE(redNearCentre, 12);
}

TEST_F(GlobeViewTest, AnglesAreRoundedToWholeDegreesAndAnyValueIsSafe)
{
    Show(1, 1);
    GlobeTurn[1] = 175.6f;
    GlobeTilt[1] = -48.4f;
    RenderGlobe(1, "", "", false, 0);
    const QImage whole = GlobePicture(1).copy();
    GlobeTurn[1] = 176;
    GlobeTilt[1] = -48;
    RenderGlobe(1, "", "", false, 0);
    EXPECT_EQ(GlobePicture(1), whole);
    for (float angle : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -1e30f}) {
        GlobeTurn[1] = angle;
        GlobeTilt[1] = angle;
        RenderGlobe(1, "", "", true, 0);
    }
}

} // namespace
