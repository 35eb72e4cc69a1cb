// The weight window: what a show sets up, weighing an object at the chosen
// places, the scatter, the colour of the scales, dragging a globe, copy
// and options.
#include "app/settings/appsettings.h"
#include "raster/globeview.h"
#include "support/testhelpers.h"
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/weighingwindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using testing_support::Child;
using testing_support::RgbAt;

namespace {

class WeighingTest : public testing::Test
{
protected:
    void SetUp() override { AppSettings = AppSettingsRecord{}; }
    void TearDown() override
    {
        if (window)
            window->close();
        AppSettings = AppSettingsRecord{};
    }

    TPoidsF& Open()
    {
        window = std::make_unique<TPoidsF>();
        window->show();
        return *window;
    }
    QComboBox* Combo(const char* name) const { return Child<QComboBox>(window.get(), name); }
    void ChooseObject(int object) { Combo("ObjetCombo")->setCurrentIndex(object); }
    void ChoosePlace(int column, int place)
    {
        const char* names[] = {"Lieu1Combo", "Lieu2Combo", "Lieu3Combo"};
        Combo(names[column - 1])->setCurrentIndex(place);
    }
    // Ticks the scales (or the globes) until their timer stops; the ticks
    // it took.
    int SettleScales() { return Settle("Timer", &TPoidsF::TimerEvent); }
    int SettleGlobes() { return Settle("AnimTimer", &TPoidsF::AnimTimerTimer); }
    int Settle(const char* timerName, void (TPoidsF::*tick)())
    {
        auto* timer = Child<QTimer>(window.get(), timerName);
        int ticks = 0;
        for (; ticks < 100 && timer->isActive(); ++ticks)
            (window.get()->*tick)();
        return ticks;
    }

    std::unique_ptr<TPoidsF> window;
};

// Centre of the red marker's pixels on the globe picture (-1, -1 if none).
QPointF MarkerCentre(const QImage& picture)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    return n ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}

// Pixels of exactly `rgb` (0x00RRGGBB) in the image.
int CountColour(const QImage& image, unsigned rgb)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += RgbAt(image, x, y) == rgb ? 1 : 0;
    return count;
}

// The picture's pixels, whatever the ratio it was composed at.
QImage Pixels(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}

bool AllBlack(const QImage& image)
{
    return CountColour(image, 0x000000) == image.width() * image.height();
}

} // namespace

TEST_F(WeighingTest, EveryShowStartsOnParisWithNoObjectAndFreshPlaceLists)
{
    TPoidsF& w = Open();
    for (int show = 0; show < 2; ++show) {
        EXPECT_EQ(Combo("Lieu3Combo")->count(), kPlaceCount) << show;
        EXPECT_EQ(Combo("Lieu1Combo")->currentIndex(), 1) << show;
        EXPECT_EQ(Combo("Lieu2Combo")->currentIndex(), 0) << show;
        EXPECT_EQ(Combo("ObjetCombo")->currentIndex(), 0) << show;
        // The Earth turns from 0, 0 to Paris in ten ticks.
        EXPECT_EQ(SettleGlobes(), 10);
        EXPECT_EQ(GlobeTurn[1], 176.0f);
        EXPECT_EQ(GlobeTilt[1], -48.0f);
        w.close();
        w.show();
    }
}

TEST_F(WeighingTest, ObjectRisesToItsExactWeightOnPlacedColumnsOnlyThenDrains)
{
    TPoidsF& w = Open();
    ChoosePlace(2, 14);
    ChooseObject(17);
    EXPECT_EQ(SettleScales(), 21);
    EXPECT_EQ(w.Scale(1).ShownWeight(), 32000 * 9.81);
    EXPECT_EQ(w.Scale(2).ShownWeight(), 32000 * PlaceGravity(14));
    EXPECT_FALSE(AllBlack(w.ZoneImage(1)));
    EXPECT_TRUE(AllBlack(w.ZoneImage(3)));
    ChooseObject(0);
    EXPECT_EQ(SettleScales(), 21);
    EXPECT_EQ(w.Scale(1).ShownWeight(), 0.0);
    EXPECT_EQ(w.Scale(2).Weight(), 0.0);
    ChoosePlace(1, 0);
    EXPECT_TRUE(AllBlack(w.ZoneImage(1)));
}

TEST_F(WeighingTest, ScatterWithinOnePercentUntilAPlaceIsChosen)
{
    AppSettings.PoidsRandomFlag = true;
    TPoidsF& w = Open();
    ChoosePlace(2, 8);
    ChoosePlace(3, 12);
    ChooseObject(16);
    for (int column = 1; column <= 3; ++column) {
        const double exact = 25000 * PlaceGravity(GlobePlace[column]);
        EXPECT_NEAR(w.Scale(column).Weight(), exact, 0.01 * exact) << column;
    }
    ChoosePlace(2, 7);
    EXPECT_EQ(w.Scale(2).Weight(), 25000 * PlaceGravity(7));
}

TEST_F(WeighingTest, ReadoutStartsOnTheStoredColourAndButtonOrColumnCyclesIt)
{
    AppSettings.clDigits = 0xE0E0E0;
    TPoidsF& w = Open();
    ChooseObject(6);
    SettleScales();
    EXPECT_GT(CountColour(w.ZoneImage(1), 0xE0E0E0), 100);
    Child<QToolButton>(&w, "ColorBout")->click();
    EXPECT_EQ(AppSettings.clDigits, 0xEDE8C9u);
    EXPECT_EQ(CountColour(w.ZoneImage(1), 0xE0E0E0), 0);
    EXPECT_GT(CountColour(w.ZoneImage(1), 0xC9E8ED), 100);
    QTest::mouseClick(Child<QWidget>(&w, "Zone2"), Qt::LeftButton);
    EXPECT_EQ(AppSettings.clDigits, 0x00A0FFu);
}

TEST_F(WeighingTest, WithoutColourChangesNeitherButtonNorColumnChangeIt)
{
    AppSettings.LCDCoulFlag = false;
    TPoidsF& w = Open();
    EXPECT_FALSE(Child<QToolButton>(&w, "ColorBout")->isEnabled());
    QTest::mouseClick(Child<QWidget>(&w, "Zone1"), Qt::LeftButton);
    EXPECT_EQ(AppSettings.clDigits, 0x00FF00u);
    // The options are read again when the preferences close.
    AppSettings.LCDCoulFlag = true;
    Child<QToolButton>(&w, "OptionsBout")->click();
    EXPECT_TRUE(Child<QToolButton>(&w, "ColorBout")->isEnabled());
}

TEST_F(WeighingTest, CopyPutsTheThreeGlobesAboveTheirColumns)
{
    TPoidsF& w = Open();
    SettleGlobes();
    ChooseObject(2);
    SettleScales();
    Child<QToolButton>(&w, "CopierBout")->click();
    const QImage copied = Pixels(QGuiApplication::clipboard()->image());
    // Composed at the screen's ratio, as the pictures it holds.
    const int r = int(GlobePicture(1).devicePixelRatio());
    ASSERT_EQ(copied.size(), QSize(711, w.ZoneHeight() + 247) * r);
    // Each column 247 pixels right of the one before.
    for (int column = 1; column <= 3; ++column) {
        const int left = (column - 1) * 247;
        EXPECT_EQ(copied.copy(left * r, 0, 217 * r, 217 * r), Pixels(GlobePicture(column))) << column;
        EXPECT_EQ(copied.copy(left * r, 247 * r, 190 * r, w.ZoneHeight() * r), Pixels(w.ZoneImage(column))) << column;
    }
}

TEST_F(WeighingTest, ColumnsFollowTheWindowSize)
{
    TPoidsF& w = Open();
    ChooseObject(14);
    EXPECT_EQ(w.ZoneHeight(), 123);
    EXPECT_EQ(w.Picture().Size().height(), 123 - 70);
    w.resize(1000, 760);
    EXPECT_EQ(w.ZoneHeight(), 252);
    EXPECT_EQ(Child<QWidget>(&w, "Zone3")->geometry(), QRect(3 * 107 + 2 * 190, 760 - 181 - 257, 190, 252));
    EXPECT_EQ(w.ZoneImage(3).deviceIndependentSize(), QSizeF(190, 252));
    // The elephant is wider than high: the column's width limits it.
    EXPECT_EQ(w.Picture().Size().width(), 190);
    EXPECT_GT(w.Picture().Size().height(), 123 - 70);
    w.resize(100, 100);
    EXPECT_EQ(w.size(), QSize(742, 523));
}

TEST_F(WeighingTest, DraggedGlobeSurfaceFollowsTheMouse)
{
    TPoidsF& w = Open();
    SettleGlobes();
    const QPointF before = MarkerCentre(GlobePicture(1));
    ASSERT_GE(before.x(), 0);
    w.Display1MouseDown(1, QPoint(100, 100), Qt::LeftButton);
    w.Display1MouseMove(1, QPoint(130, 100), Qt::LeftButton);
    const QPointF right = MarkerCentre(GlobePicture(1));
    EXPECT_GT(right.x(), before.x() + 10);
    w.Display1MouseMove(1, QPoint(130, 60), Qt::LeftButton);
    EXPECT_LT(MarkerCentre(GlobePicture(1)).y(), right.y() - 10);
}
