// The weight window: what a show sets up, weighing an object at the chosen
// places, the scatter, the colour of the scales, copy, options and help.
#include "poidstesting.h"

#include "platform/helpviewer.h"
#include "raster/globeview.h"
#include "weight/model/placetable.h"
#include "weight/model/weightobjects.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using testing_support::child;
using testing_support::rgbAt;

namespace {

bool AllBlack(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (rgbAt(image, x, y) != 0)
                return false;
    return true;
}

// Pixels of exactly `rgb` (0x00RRGGBB) in the image.
int CountColour(const QImage& image, unsigned rgb)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += rgbAt(image, x, y) == rgb ? 1 : 0;
    return count;
}

unsigned RgbOf(TColor colour)
{
    return QRgbFromCanvas(colour) & 0xFFFFFFu;
}

} // namespace

TEST_F(PoidsTest, ShowStartsOnParisWithNoObject)
{
    TPoidsF& w = open();
    EXPECT_EQ(w.windowTitle(), ModuleCaption(QStringLiteral("Poids d'un objet")));
    EXPECT_EQ(w.size(), QSize(742, 523));
    EXPECT_EQ(combo("Lieu1Combo")->currentIndex(), 1);
    EXPECT_EQ(combo("Lieu2Combo")->currentIndex(), 0);
    EXPECT_EQ(combo("ObjetCombo")->currentIndex(), 0);
    EXPECT_EQ(combo("ObjetCombo")->count(), kObjectCount);
    EXPECT_EQ(combo("ObjetCombo")->itemText(3), QStringLiteral(" Couteau suisse  ( m = 175,0 g )"));
    EXPECT_EQ(GlobePlace[1], 1);
    EXPECT_TRUE(w.GlobeMoving(1));
    EXPECT_TRUE(child<QTimer>(&w, "AnimTimer")->isActive());
    EXPECT_FALSE(child<QTimer>(&w, "Timer")->isActive());
    // The Earth turns from 0, 0 to Paris.
    settleGlobes();
    EXPECT_EQ(GlobeTurn[1], 176.0f);
    EXPECT_EQ(GlobeTilt[1], -48.0f);
    EXPECT_FALSE(child<QTimer>(&w, "AnimTimer")->isActive());
}

TEST_F(PoidsTest, EveryShowReadsThePlacesIntoEmptiedLists)
{
    TPoidsF& w = open();
    for (int show = 0; show < 3; ++show) {
        EXPECT_EQ(combo("Lieu3Combo")->count(), kPlaceCount) << show;
        EXPECT_EQ(combo("Lieu3Combo")->itemText(5), QStringLiteral("sur Mercure ( équateur )")) << show;
        w.close();
        w.show();
    }
}

TEST_F(PoidsTest, ObjectRisesOnEveryPlacedColumnToItsExactWeight)
{
    TPoidsF& w = open();
    choosePlace(2, 14);
    chooseObject(17);
    EXPECT_TRUE(child<QTimer>(&w, "Timer")->isActive());
    EXPECT_EQ(settleScales(), 21);
    EXPECT_FALSE(child<QTimer>(&w, "Timer")->isActive());
    EXPECT_EQ(w.Scale(1).ShownWeight(), 32000 * 9.81);
    EXPECT_EQ(w.Scale(2).ShownWeight(), 32000 * PlaceGravity(14));
    EXPECT_EQ(w.Scale(3).ShownWeight(), 0.0);
}

TEST_F(PoidsTest, ColumnWithoutPlaceShowsNeitherScaleNorObject)
{
    TPoidsF& w = open();
    chooseObject(14);
    settleScales();
    EXPECT_TRUE(AllBlack(w.ZoneImage(2)));
    EXPECT_TRUE(AllBlack(w.ZoneImage(3)));
    EXPECT_FALSE(AllBlack(w.ZoneImage(1)));
    choosePlace(1, 0);
    EXPECT_TRUE(AllBlack(w.ZoneImage(1)));
}

TEST_F(PoidsTest, RemovingTheObjectDrainsEveryScaleToZero)
{
    TPoidsF& w = open();
    choosePlace(3, 13);
    chooseObject(8);
    settleScales();
    chooseObject(0);
    EXPECT_EQ(settleScales(), 21);
    for (int column = 1; column <= 3; ++column) {
        EXPECT_EQ(w.Scale(column).ShownWeight(), 0.0) << column;
        EXPECT_EQ(w.Scale(column).Weight(), 0.0) << column;
    }
    EXPECT_FALSE(w.Picture().Present());
}

TEST_F(PoidsTest, ScatterWithinOnePercentUntilAPlaceIsChosen)
{
    AppSettings.PoidsRandomFlag = true;
    TPoidsF& w = open();
    choosePlace(2, 8);
    choosePlace(3, 12);
    chooseObject(16);
    for (int column = 1; column <= 3; ++column) {
        const double exact = 25000 * PlaceGravity(GlobePlace[column]);
        EXPECT_GE(w.Scale(column).Weight(), 0.99 * exact) << column;
        EXPECT_LE(w.Scale(column).Weight(), 1.01 * exact) << column;
    }
    choosePlace(2, 7);
    EXPECT_EQ(w.Scale(2).Weight(), 25000 * PlaceGravity(7));
}

TEST_F(PoidsTest, ReadoutStartsOnTheStoredColourAndTheButtonCyclesIt)
{
    AppSettings.clDigits = 0xE0E0E0;
    TPoidsF& w = open();
    chooseObject(6);
    settleScales();
    EXPECT_GT(CountColour(w.ZoneImage(1), 0xE0E0E0), 100);
    child<QToolButton>(&w, "ColorBout")->click();
    EXPECT_EQ(AppSettings.clDigits, 0xEDE8C9u);
    EXPECT_EQ(CountColour(w.ZoneImage(1), 0xE0E0E0), 0);
    EXPECT_GT(CountColour(w.ZoneImage(1), RgbOf(0xEDE8C9)), 100);
    // A click on a column does the same.
    QTest::mouseClick(child<QWidget>(&w, "Zone2"), Qt::LeftButton);
    EXPECT_EQ(AppSettings.clDigits, 0x00A0FFu);
}

TEST_F(PoidsTest, WithoutColourChangesNeitherButtonNorColumnChangeIt)
{
    AppSettings.LCDCoulFlag = false;
    TPoidsF& w = open();
    EXPECT_FALSE(child<QToolButton>(&w, "ColorBout")->isEnabled());
    QTest::mouseClick(child<QWidget>(&w, "Zone1"), Qt::LeftButton);
    w.ColorBoutClick();
    EXPECT_EQ(AppSettings.clDigits, 0x00FF00u);
    EXPECT_EQ(w.ScaleColour(), 0x00FF00u);
}

TEST_F(PoidsTest, OptionsReappliesTheColourPermission)
{
    TPoidsF& w = open();
    AppSettings.LCDCoulFlag = false;
    AppSettings.CalcFlag = false;
    child<QToolButton>(&w, "OptionsBout")->click();
    EXPECT_FALSE(child<QToolButton>(&w, "ColorBout")->isEnabled());
    EXPECT_FALSE(child<QToolButton>(&w, "CalcBout")->isEnabled());
}

TEST_F(PoidsTest, CopyPutsTheThreeGlobesAboveTheirColumns)
{
    TPoidsF& w = open();
    settleGlobes();
    chooseObject(2);
    settleScales();
    child<QToolButton>(&w, "CopierBout")->click();
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), QSize(711, w.ZoneHeight() + 247));
    EXPECT_EQ(copied.copy(0, 0, 217, 217), GlobePicture(1).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(copied.copy(0, 247, 190, w.ZoneHeight()), w.ZoneImage(1));
    EXPECT_TRUE(AllBlack(copied.copy(494, 247, 190, w.ZoneHeight())));
}

TEST_F(PoidsTest, HelpButtonOpensTheWeightTopic)
{
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("Kinea.html"),
                               "<html><body><a name=\"POIDS\"></a><p>Poids</p></body></html>");
    SetHelpFile(dir.file("Kinea.html"));
    TPoidsF& w = open();
    child<QToolButton>(&w, "AideBout")->click();
    ASSERT_NE(HelpWindow(), nullptr);
    EXPECT_EQ(HelpWindow()->source().fragment(), QStringLiteral("POIDS"));
    CloseHelp();
}

TEST_F(PoidsTest, ColumnsFollowTheWindowSize)
{
    TPoidsF& w = open();
    chooseObject(14);
    const QSize small = w.Picture().Size();
    EXPECT_EQ(w.ZoneHeight(), 123);
    w.resize(1000, 760);
    EXPECT_EQ(w.ZoneHeight(), 252);
    EXPECT_EQ(w.ColumnGap(), (1000 - 570) / 4);
    EXPECT_EQ(child<QWidget>(&w, "Zone3")->geometry(), QRect(3 * 107 + 2 * 190, 760 - 181 - 257, 190, 252));
    EXPECT_EQ(w.ZoneImage(3).size(), QSize(190, 252));
    if (w.Picture().Present()) {
        EXPECT_GT(w.Picture().Size().height(), small.height());
        EXPECT_LE(w.Picture().Size().width(), 190);
    }
    w.resize(100, 100);
    EXPECT_EQ(w.size(), QSize(742, 523));
}
