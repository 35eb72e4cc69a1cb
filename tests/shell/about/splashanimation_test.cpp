// The about box's animation models: the eased turn of the globe, the
// typing of the text and its word wrap, the countdown between events.
#include "shell/about/splashanimation.h"
#include "shell/about/splashevents.h"

#include <gtest/gtest.h>
#include <numeric>

// ---------------------------------------------------------------- turn

struct ShortTurnCase
{
    const char* name;
    float from;
    float to;
    float expected;
};

class ShortTurnTest : public ::testing::TestWithParam<ShortTurnCase>
{ };

TEST_P(ShortTurnTest, GoesTheShortWay)
{
    EXPECT_FLOAT_EQ(ShortTurn(GetParam().from, GetParam().to), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Turns, ShortTurnTest,
    ::testing::Values(ShortTurnCase{"eastAcrossZero", 350, 10, 20}, ShortTurnCase{"westAcrossZero", 10, 350, -20},
                      ShortTurnCase{"plain", 100, 150, 50}, ShortTurnCase{"halfTurnGoesWest", 0, 180, -180},
                      ShortTurnCase{"halfTurnBack", 180, 0, -180}, ShortTurnCase{"none", 42, 42, 0},
                      ShortTurnCase{"fromPastAFullTurn", 530, 10, 200 - 360},
                      ShortTurnCase{"fromBelowZero", -170, 180, -10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GlobeTurn, FifteenStepsOfOneTwoFourFiftieths)
{
    EXPECT_EQ(std::accumulate(kTurnFiftieths.begin(), kTurnFiftieths.end(), 0), 50);
    GlobeTurnAnimation turn;
    turn.Start(350.0f, 10.0f, 10, -40);
    const float expectedTurn[kTurnSteps]
        = {0.4f, 0.8f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 1.6f, 0.8f, 0.4f};
    for (int step = 1; step <= kTurnSteps; ++step) {
        EXPECT_FLOAT_EQ(turn.TurnIncrement(step), expectedTurn[step - 1]) << "step " << step;
        EXPECT_FLOAT_EQ(turn.TiltIncrement(step), -50.0f * kTurnFiftieths[step - 1] / 50) << "step " << step;
    }
}

TEST(GlobeTurn, StepsOnEvenTicksAndEndsOnTheEvent)
{
    GlobeTurnAnimation turn;
    float globeTurn = 350.0f;
    float globeTilt = 10.0f;
    turn.Start(globeTurn, globeTilt, 10, -40);
    int steps = 0;
    for (int tick = 1; turn.Running(); ++tick) {
        const bool stepped = turn.Tick(tick, globeTurn, globeTilt);
        EXPECT_EQ(stepped, tick % 2 == 0) << "tick " << tick;
        steps += stepped;
        ASSERT_LT(tick, 100);
    }
    EXPECT_EQ(steps, kTurnSteps);
    EXPECT_NEAR(globeTurn, 370.0f, 1e-3);
    EXPECT_NEAR(globeTilt, -40.0f, 1e-3);
    EXPECT_FALSE(turn.Tick(2, globeTurn, globeTilt));
}

// -------------------------------------------------------------- wrapping

namespace {

// Every character 5 pixels wide.
int FiveEach(const QString& text)
{
    return 5 * static_cast<int>(text.size());
}

} // namespace

TEST(WordWrap, LinesStayBelowTheWidth)
{
    // "aaaa bbbb" is 45 wide: below 50, kept; one more word would reach 70.
    const std::vector<QString> lines = WrapWords(QStringLiteral("aaaa bbbb cccc dd"), 50, FiveEach);
    EXPECT_EQ(lines, (std::vector<QString>{"aaaa bbbb", "cccc dd"}));
}

TEST(WordWrap, ALineReachingTheWidthIsClosed)
{
    // "aaaa bbbbb" would be exactly 50 wide, which is not below 50.
    const std::vector<QString> lines = WrapWords(QStringLiteral("aaaa bbbbb"), 50, FiveEach);
    EXPECT_EQ(lines, (std::vector<QString>{"aaaa", "bbbbb"}));
}

TEST(WordWrap, AWordWiderThanThePanelStandsAlone)
{
    const std::vector<QString> lines = WrapWords(QStringLiteral("un anticonstitutionnellement de trop"), 50, FiveEach);
    EXPECT_EQ(lines, (std::vector<QString>{"un", "anticonstitutionnellement", "de trop"}));
}

TEST(WordWrap, RepeatedSpacesAndEmptyTexts)
{
    EXPECT_EQ(WrapWords(QStringLiteral("  a   b  "), 50, FiveEach), (std::vector<QString>{"a b"}));
    EXPECT_TRUE(WrapWords(QString(), 50, FiveEach).empty());
}

TEST(EventLines, DatePlaceTitleThenTheAccount)
{
    SplashEvent event;
    event.date = QStringLiteral("1851");
    event.place = QStringLiteral("Paris");
    event.title = QStringLiteral("Pendule");
    event.account = QStringLiteral("aaaa bbbb cccc");
    const std::vector<QString> lines = EventTextLines(event, 50, FiveEach);
    EXPECT_EQ(lines, (std::vector<QString>{"1851", "Paris", "Pendule", "aaaa bbbb", "cccc"}));
}

// ---------------------------------------------------------------- typing

TEST(Typing, TwoCharactersPerTickThenTheNextLineWithOne)
{
    TypingAnimation typing;
    typing.Start({5, 3});
    EXPECT_TRUE(typing.Running());
    EXPECT_EQ(typing.Line(), 0);
    EXPECT_EQ(typing.Chars(), 1);
    typing.Tick();
    EXPECT_EQ(typing.Chars(), 3);
    typing.Tick();
    EXPECT_EQ(typing.Chars(), 5);
    typing.Tick(); // 7 > 5: the next line starts
    EXPECT_EQ(typing.Line(), 1);
    EXPECT_EQ(typing.Chars(), 1);
    typing.Tick();
    EXPECT_EQ(typing.Chars(), 3);
    EXPECT_FALSE(typing.Running());
}

TEST(Typing, EmptyLinesPassAndNothingToTypeEndsAtOnce)
{
    TypingAnimation typing;
    typing.Start({0, 0, 4});
    EXPECT_EQ(typing.Line(), 2);
    EXPECT_EQ(typing.Chars(), 1);
    typing.Start({});
    EXPECT_FALSE(typing.Running());
    typing.Tick();
    EXPECT_FALSE(typing.Running());
}

TEST(Typing, LastLineEndsShownWhole)
{
    TypingAnimation typing;
    typing.Start({2});
    typing.Tick();
    EXPECT_FALSE(typing.Running());
    EXPECT_EQ(typing.Chars(), 2);
}

// ------------------------------------------------------------- countdown

TEST(Countdown, WaitsWhileTheEventIsPresented)
{
    EventCountdown countdown;
    countdown.Restart();
    for (int i = 0; i < 500; ++i)
        EXPECT_EQ(countdown.Tick(true, false, true), EventCountdown::Outcome::Wait);
    EXPECT_EQ(countdown.TicksLeft(), kEventTicks);
}

TEST(Countdown, TwoHundredTenTicksThenTheNextEventOrTheEnd)
{
    for (const bool startup : {false, true}) {
        SCOPED_TRACE(startup ? "start-up" : "menu");
        EventCountdown countdown;
        countdown.Restart();
        for (int i = 0; i < kEventTicks; ++i)
            ASSERT_EQ(countdown.Tick(false, false, startup), EventCountdown::Outcome::Wait) << i;
        EXPECT_EQ(countdown.TicksLeft(), 0);
        EXPECT_EQ(countdown.Tick(false, false, startup),
                  startup ? EventCountdown::Outcome::CloseBox : EventCountdown::Outcome::NextEvent);
    }
}

TEST(Countdown, HoveringTheButtonsHoldsItAtOne)
{
    EventCountdown countdown;
    countdown.Restart();
    countdown.HoldOnButtons(); // still presented in full: nothing held
    EXPECT_EQ(countdown.TicksLeft(), kEventTicks);
    countdown.Tick(false, false, false);
    countdown.HoldOnButtons();
    EXPECT_EQ(countdown.TicksLeft(), 1);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(countdown.Tick(false, true, false), EventCountdown::Outcome::Wait);
    EXPECT_EQ(countdown.TicksLeft(), 1);
    // The mouse leaves: one tick to zero, the next moves on.
    EXPECT_EQ(countdown.Tick(false, false, false), EventCountdown::Outcome::Wait);
    EXPECT_EQ(countdown.Tick(false, false, false), EventCountdown::Outcome::NextEvent);
}

TEST(Countdown, ButtonsBlinkThreeTicksOnThreeOff)
{
    EventCountdown countdown;
    countdown.Restart();
    EXPECT_TRUE(countdown.ButtonsShown(false));
    std::string pattern;
    for (int i = 0; i < 12; ++i) {
        countdown.Tick(false, false, false);
        pattern += countdown.ButtonsShown(false) ? 'X' : '.';
        EXPECT_TRUE(countdown.ButtonsShown(true));
    }
    // 209 (209 % 6 = 5) down to 198 (198 % 6 = 0).
    EXPECT_EQ(pattern, "...XXX...XXX");
}
