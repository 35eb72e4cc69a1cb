// The about box: start-up and menu modes, browsing the events with the
// buttons and keys, the countdown and hover, the frame it composes.
#include "abouttesting.h"
#include "app/settings/appsettings.h"
#include "canvas/colorcontrast.h"
#include "platform/resources/namedresources.h"
#include "raster/globeview.h"
#include "shell/about/aboutpictures.h"
#include "shell/about/aboutwindow.h"
#include "testhelpers.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <climits>
#include <functional>
#include <gtest/gtest.h>

using namespace about_testing;
using testing_support::Child;
using testing_support::RgbAt;

namespace {

class AboutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AppSettings = AppSettingsRecord{};
        events = LoadAboutEvents();
        ASSERT_EQ(events.size(), 27u);
    }
    void TearDown() override { box.close(); }

    void ShowAtEvent(int index, bool startup)
    {
        AppSettings.Event_Index = index;
        box.SetStartupMode(startup);
        box.show();
    }
    QString ShownDate() const { return box.TextLines().empty() ? QString() : box.TextLines()[0]; }
    QString DateOf(int index) const { return events[static_cast<size_t>(index)].date; }

    std::vector<AboutEvent> events;
    TSplashF box;
};

} // namespace

TEST_F(AboutTest, WindowLayout)
{
    EXPECT_EQ(box.objectName(), QStringLiteral("SplashF"));
    EXPECT_EQ(box.size(), QSize(650, 455));
    EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(box.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* check = Child<QCheckBox>(&box, "SplasheCheck");
    EXPECT_EQ(check->pos(), QPoint(8, 432));
    EXPECT_EQ(check->text(), QStringLiteral(" Afficher cette fenêtre au démarrage du logiciel"));
    EXPECT_EQ(Child<QTimer>(&box, "AnimTimer")->interval(), 30);
    EXPECT_EQ(Child<QWidget>(&box, "Zone")->geometry(), QRect(0, 0, 650, 455));
}

TEST_F(AboutTest, ShowingStartsTheStoredEvent)
{
    ShowAtEvent(3, false);
    EXPECT_EQ(box.EventCount(), 27);
    EXPECT_EQ(ShownDate(), DateOf(3));
    EXPECT_EQ(box.TextLines()[1], events[3].place);
    EXPECT_EQ(box.TextLines()[2], events[3].title);
    EXPECT_TRUE(box.Typing().Running());
    EXPECT_TRUE(box.Turn().Running());
    EXPECT_EQ(box.Countdown(), 210);
    EXPECT_TRUE(Child<QTimer>(&box, "AnimTimer")->isActive());
}

TEST_F(AboutTest, StartUpBoxClosesAfterTheCountdownAndMovesOn)
{
    ShowAtEvent(5, true);
    const int presentation = PresentEvent(box);
    EXPECT_GT(presentation, 15);
    EXPECT_LT(presentation, 1000);
    // The tick that ended the presentation already counted.
    EXPECT_EQ(box.Countdown(), 209);
    Tick(box, 209);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.Countdown(), 0);
    EXPECT_EQ(AppSettings.Event_Index, 5);
    box.AnimTimerTimer();
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(AppSettings.Event_Index, 6);
    EXPECT_FALSE(box.StartupMode());
}

TEST_F(AboutTest, GlobeEndsTurnedToTheEvent)
{
    ShowAtEvent(0, false);
    PresentEvent(box);
    const PlaceRecord& place = events[0].record;
    EXPECT_NEAR(ShortTurn(GlobeTurn[4], static_cast<float>(place.Turn)), 0.0f, 0.01f);
    EXPECT_NEAR(GlobeTilt[4], place.Tilt, 0.01f);
}

TEST_F(AboutTest, GlobeShowsThePlaceTheTextNames)
{
    const QPoint centre(kGlobePictureSide / 2, kGlobePictureSide / 2);
    ShowAtEvent(0, false);
    for (const AboutEvent& event : events) {
        SCOPED_TRACE(event.place.toStdString());
        for (int tick = 0; tick < 100 && box.Turn().Running(); ++tick)
            box.AnimTimerTimer();
        const QImage& globe = GlobePicture(4);
        if (event.record.Marked) {
            // The red mark (a dot, or a dotted ring of its radius) is at the
            // middle of the disc.
            int nearest = INT_MAX;
            for (int y = 0; y < globe.height(); ++y)
                for (int x = 0; x < globe.width(); ++x)
                    if (RgbAt(globe, x, y) == 0xFF0000u)
                        nearest = std::min(nearest, std::max(std::abs(x - centre.x()), std::abs(y - centre.y())));
            EXPECT_LE(nearest, event.record.MarkRadius + 3);
        } else if (event.account.contains(QString::fromUtf8("en forme de cœur"))) {
            // Pluto's pale heart, the only ground that pale on its map,
            // fills the middle of the disc.
            for (int y = centre.y() - 4; y <= centre.y() + 4; ++y)
                for (int x = centre.x() - 4; x <= centre.x() + 4; ++x)
                    EXPECT_GE(RgbAt(globe, x, y) & 0xFF, 0xC8u) << x << "," << y;
        }
        box.ZoneMouseDown(kOnNext);
    }
}

TEST_F(AboutTest, NextDuringStartUpKeepsTheBoxOpen)
{
    ShowAtEvent(5, true);
    box.ZoneMouseDown(kOnNext);
    EXPECT_FALSE(box.StartupMode());
    EXPECT_EQ(AppSettings.Event_Index, 6);
    EXPECT_EQ(ShownDate(), DateOf(6));
    PresentEvent(box);
    Tick(box, 211);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(AppSettings.Event_Index, 7);
    EXPECT_EQ(ShownDate(), DateOf(7));
    box.ZoneMouseDown(kOnCross);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(AppSettings.Event_Index, 8);
}

TEST_F(AboutTest, NextFromTheLastShowsTheFirst)
{
    ShowAtEvent(26, false);
    box.ZoneMouseDown(kOnNext);
    EXPECT_EQ(AppSettings.Event_Index, 0);
    EXPECT_EQ(ShownDate(), DateOf(0));
}

TEST_F(AboutTest, BackFromTheFirstShowsTheLast)
{
    ShowAtEvent(0, false);
    box.ZoneMouseDown(kOnBack);
    EXPECT_EQ(AppSettings.Event_Index, 26);
    EXPECT_EQ(ShownDate(), DateOf(26));
}

TEST_F(AboutTest, ButtonEdgesAreInclusive)
{
    ShowAtEvent(10, false);
    box.ZoneMouseDown(QPoint(601, 15));
    EXPECT_EQ(AppSettings.Event_Index, 9);
    box.ZoneMouseDown(QPoint(633, 30));
    EXPECT_EQ(AppSettings.Event_Index, 10);
    box.ZoneMouseDown(QPoint(634, 30));
    box.ZoneMouseDown(QPoint(600, 20));
    EXPECT_EQ(AppSettings.Event_Index, 10);
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutTest, StoredIndexOutsideTheListIsBroughtIn)
{
    ShowAtEvent(100, false);
    EXPECT_EQ(AppSettings.Event_Index, 100 % 27);
    EXPECT_EQ(ShownDate(), DateOf(100 % 27));
    box.close();
    ShowAtEvent(-1, false);
    EXPECT_EQ(AppSettings.Event_Index, 26);
}

TEST_F(AboutTest, ArrowKeysBrowseWithoutLeavingStartUp)
{
    ShowAtEvent(4, true);
    QWidget elsewhere;
    elsewhere.show();
    QTest::keyClick(&elsewhere, Qt::Key_Right);
    EXPECT_EQ(AppSettings.Event_Index, 5);
    EXPECT_TRUE(box.StartupMode());
    QTest::keyClick(&elsewhere, Qt::Key_Left);
    QTest::keyClick(&elsewhere, Qt::Key_Left);
    EXPECT_EQ(AppSettings.Event_Index, 3);
    EXPECT_EQ(ShownDate(), DateOf(3));
    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(AppSettings.Event_Index, 4);
    // Closed, the box no longer hears the keys.
    QTest::keyClick(&elsewhere, Qt::Key_Right);
    EXPECT_EQ(AppSettings.Event_Index, 4);
}

TEST_F(AboutTest, HoveringTheButtonsHoldsTheEventThenItMovesOn)
{
    ShowAtEvent(2, false);
    PresentEvent(box);
    Tick(box, 20);
    box.ZoneMouseMove(kOnNext);
    EXPECT_TRUE(box.Hover());
    EXPECT_EQ(box.Countdown(), 1);
    EXPECT_EQ(Child<QWidget>(&box, "Zone")->cursor().shape(), Qt::PointingHandCursor);
    Tick(box, 100);
    EXPECT_EQ(box.Countdown(), 1);
    EXPECT_EQ(AppSettings.Event_Index, 2);
    box.ZoneMouseMove(kAway);
    EXPECT_FALSE(box.Hover());
    EXPECT_EQ(Child<QWidget>(&box, "Zone")->cursor().shape(), Qt::ArrowCursor);
    box.AnimTimerTimer();
    EXPECT_EQ(AppSettings.Event_Index, 2);
    box.AnimTimerTimer();
    EXPECT_EQ(AppSettings.Event_Index, 3);
    EXPECT_EQ(box.Countdown(), 210);
    EXPECT_TRUE(box.Typing().Running());
}

// The mouse leaves the buttons over the box, or out of the box straight
// from them: either way the hover ends and the start-up box closes.
TEST_F(AboutTest, LeavingTheButtonsAtStartUpClosesTheBox)
{
    const struct
    {
        const char* name;
        QPoint button;
        std::function<void()> leave;
    } rows[] = {
        {"over the box", kOnBack, [this] { box.ZoneMouseMove(kAway); }},
        {"out of the box", kOnNext,
         [this] {
             QEvent leave(QEvent::Leave);
             QCoreApplication::sendEvent(Child<QWidget>(&box, "Zone"), &leave);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ShowAtEvent(2, true);
        PresentEvent(box);
        box.ZoneMouseMove(row.button);
        Tick(box, 10);
        row.leave();
        EXPECT_FALSE(box.Hover());
        EXPECT_EQ(Child<QWidget>(&box, "Zone")->cursor().shape(), Qt::ArrowCursor);
        Tick(box, 2);
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(AppSettings.Event_Index, 3);
    }
}

TEST_F(AboutTest, HoveringTheCrossOnlyPausesTheCountdown)
{
    ShowAtEvent(2, false);
    PresentEvent(box);
    const int before = box.Countdown();
    box.ZoneMouseMove(kOnCross);
    EXPECT_TRUE(box.Hover());
    Tick(box, 30);
    EXPECT_EQ(box.Countdown(), before);
}

TEST_F(AboutTest, MenuModeHidesTheCheckBoxAndScrollsTheCreditsEndlessly)
{
    box.SetOpenedFromMenu(true);
    ShowAtEvent(0, false);
    EXPECT_FALSE(Child<QCheckBox>(&box, "SplasheCheck")->isVisible());
    const int start = box.ScrollRow();
    Tick(box, 3);
    EXPECT_EQ(box.ScrollRow(), start + 3);
    Tick(box, box.CreditsHeight() - start - 3);
    EXPECT_EQ(box.ScrollRow(), 0);
    Tick(box, 1);
    EXPECT_EQ(box.ScrollRow(), 1);
}

TEST_F(AboutTest, StartUpCreditsStayStill)
{
    ShowAtEvent(0, true);
    EXPECT_TRUE(Child<QCheckBox>(&box, "SplasheCheck")->isVisible());
    const int still = box.ScrollRow();
    EXPECT_GE(still, 100);
    EXPECT_LT(still, 120);
    Tick(box, 20);
    EXPECT_EQ(box.ScrollRow(), still);
}

// Smoothed text laid over a key colour keeps a tint of it at its edges:
// the panel must show none of the key's magenta, wherever the credits
// stand.
TEST_F(AboutTest, TheCreditsShowNoTintOfTheKeyColour)
{
    box.SetOpenedFromMenu(true);
    ShowAtEvent(0, false);
    const int steps = box.CreditsHeight() / 40;
    for (int step = 0; step < steps; ++step) {
        Tick(box, 40);
        const QImage& frame = box.Composition();
        for (int y = kCreditsRect.top(); y <= kCreditsRect.bottom(); ++y)
            for (int x = kCreditsRect.left(); x <= kCreditsRect.right(); ++x) {
                const QColor c = frame.pixelColor(x, y);
                const bool pink = c.red() - c.green() > 24 && c.blue() - c.green() > 24;
                ASSERT_FALSE(pink) << x << "," << y << " at row " << box.ScrollRow();
            }
    }
}

TEST_F(AboutTest, CheckBoxTakesAndStoresTheSetting)
{
    AppSettings.SplasheFlag = true;
    ShowAtEvent(0, true);
    auto* check = Child<QCheckBox>(&box, "SplasheCheck");
    EXPECT_TRUE(check->isChecked());
    check->click();
    EXPECT_FALSE(AppSettings.SplasheFlag);
    check->click();
    EXPECT_TRUE(AppSettings.SplasheFlag);
}

TEST_F(AboutTest, ShowingAndClosingAreSignalled)
{
    QSignalSpy spy(&box, &TSplashF::ShownChanged);
    ShowAtEvent(0, false);
    box.close();
    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy[0][0].toBool());
    EXPECT_FALSE(spy[1][0].toBool());
    EXPECT_TRUE(box.Composition().isNull());
    EXPECT_FALSE(Child<QTimer>(&box, "AnimTimer")->isActive());
}

TEST_F(AboutTest, FrameShowsGlobeThroughItsMaskAndDarkenedCredits)
{
    ShowAtEvent(0, true);
    PresentEvent(box);
    const QImage& frame = box.Composition();
    const QImage background = AboutBackground();
    ASSERT_EQ(frame.size(), QSize(650, 455));
    EXPECT_EQ(RgbAt(frame, 0, 0), 0x808080u);
    // Outside the disc the background shows; the disc's middle is the globe.
    EXPECT_EQ(RgbAt(frame, 11, 11), RgbAt(background, 11, 11));
    EXPECT_NE(RgbAt(frame, 118, 118), RgbAt(background, 118, 118));
    // The credits panel's rounded corner is left bright, its edge darkened
    // to 200/256 at least, and further until the credits' grey reads on it
    // at 4.5:1 (0x8BA4C4 under 0xEEEEEE: 2.4:1 only).
    EXPECT_EQ(RgbAt(frame, 524, 160), RgbAt(background, 524, 160));
    const unsigned under = RgbAt(background, 126, 290);
    const unsigned darker = (((under >> 16) & 0xFF) * 200 / 256) << 16 | (((under >> 8) & 0xFF) * 200 / 256) << 8
                            | ((under & 0xFF) * 200 / 256);
    const TColor shown = CanvasFromQColor(frame.pixelColor(126, 290));
    EXPECT_LT(QColor(RgbAt(frame, 126, 290)).lightness(), QColor(darker).lightness());
    EXPECT_GE(ContrastRatio(0xEEEEEE, shown), 4.5);
    EXPECT_LT(ContrastRatio(0xEEEEEE, shown), 4.7);
}

TEST_F(AboutTest, ButtonsBlinkOnceTheEventIsPresented)
{
    ShowAtEvent(0, false);
    const QImage next = LoadNamedPicture(QStringLiteral("next"));
    const unsigned buttonPixel = RgbAt(next, 2, 2);
    EXPECT_EQ(RgbAt(box.Composition(), kNextRect.left() + 2, kNextRect.top() + 2), buttonPixel);
    PresentEvent(box);
    std::string pattern;
    for (int i = 0; i < 8; ++i) {
        box.AnimTimerTimer();
        pattern += RgbAt(box.Composition(), kNextRect.left() + 2, kNextRect.top() + 2) == buttonPixel ? 'X' : '.';
    }
    EXPECT_NE(pattern.find("XXX"), std::string::npos) << pattern;
    EXPECT_NE(pattern.find("..."), std::string::npos) << pattern;
    // The cross is always there, its transparent corner showing the frame.
    const MaskedPicture cross = SplitTransparency(LoadNamedPicture(QStringLiteral("Croix")));
    EXPECT_EQ(RgbAt(box.Composition(), kCrossRect.left() + 11, kCrossRect.top() + 3), RgbAt(cross.picture, 11, 3));
    EXPECT_EQ(RgbAt(box.Composition(), kCrossRect.left(), kCrossRect.top()),
              RgbAt(AboutBackground(), kCrossRect.left(), kCrossRect.top()));
}
