// The playback of a run: ticks, stops, reset, and what the panel reads.
#include "road/braking/model/brakingsession.h"
#include "road/braking/model/brakingsettings.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

const VehicleInputs kRed{60, 100, 100, false};
const VehicleInputs kGreen{70, 100, 100, false};

struct Drawn
{
    int vehicle;
    int step;
};

// Ticks until the playback ends (bounded), noting every zone drawn.
std::vector<Drawn> PlayToEnd(BrakingSession& session)
{
    std::vector<Drawn> drawn;
    for (int tick = 0; tick < 10000; ++tick)
        if (session.Tick([&](int k) { drawn.push_back({k, session.CurrentStep()}); }))
            break;
    return drawn;
}

// While vehicle 1 moves it advances the step after its zone is drawn, so
// vehicle 2 is drawn one increment ahead; vehicle 1 stops first (step 778)
// and waits at its stop while vehicle 2 goes on to 806.
TEST(BrakingSession, TicksAdvanceAfterVehicleOneAndEndWhenBothHaveStopped)
{
    BrakingSession session;
    session.StartRun(kRed, kGreen, 3);
    const std::vector<Drawn> drawn = PlayToEnd(session);
    ASSERT_GE(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].vehicle, 1);
    EXPECT_EQ(drawn[0].step, 0);
    EXPECT_EQ(drawn[1].vehicle, 2);
    EXPECT_EQ(drawn[1].step, 3);
    EXPECT_FALSE(session.AnyRunning());
    EXPECT_TRUE(session.RunMade());
    const double redStop = session.Vehicle(1).Keys().StopPos;
    for (const Drawn& d : drawn)
        if (d.vehicle == 1 && d.step >= 778) {
            EXPECT_EQ(session.Vehicle(1).Row(d.step).Phase, phStopped);
            EXPECT_EQ(session.Vehicle(1).Row(d.step).Position, redStop);
        }
    EXPECT_GE(session.CurrentStep(), 806);
    EXPECT_LT(session.CurrentStep(), 806 + 3);
    EXPECT_LT(session.View().CurrentPos(1), redStop + 1e-9);
}

// The panel of the default red car while its driver reacts, brakes and has
// stopped: values with their units after a space and a decimal point,
// dashes for the distances not known yet.
TEST(BrakingReadout, PanelLinesFollowTheRun)
{
    BrakingSession session;
    session.StartRun(kRed, kGreen, 3);
    const struct
    {
        int step;
        const char* speed;
        const char* elapsed;
        const char* reaction;
        const char* braking;
        const char* phase;
    } rows[] = {
        {600, "59.9 km/h", "6.0 s", "-------- ", "-------- ", "Réaction en cours..."},
        {700, "", "7.0 s", "16.6 m", "-------- ", "Mouvement freiné"},
        {790, "0.0 km/h", "7.9 s", "16.6 m", "13.8 m", "Véhicule à l'arrêt"},
    };
    for (const auto& row : rows) {
        session.SetCurrentStep(row.step);
        const ReadoutTexts texts = ReadoutLines(session.Quantities(1));
        EXPECT_EQ(texts.labels[0], QStringLiteral("Vitesse :"));
        EXPECT_EQ(texts.labels[4], QStringLiteral("d. freinage :"));
        if (*row.speed) {
            EXPECT_EQ(texts.values[0], QString::fromUtf8(row.speed)) << row.step;
        }
        EXPECT_EQ(texts.values[1], QString::fromUtf8(row.elapsed)) << row.step;
        EXPECT_TRUE(texts.values[2].endsWith(QStringLiteral(" m"))) << row.step;
        EXPECT_EQ(texts.values[3], QString::fromUtf8(row.reaction)) << row.step;
        EXPECT_EQ(texts.values[4], QString::fromUtf8(row.braking)) << row.step;
        EXPECT_EQ(texts.labels[5], QString::fromUtf8(row.phase)) << row.step;
    }
}

// Before any run and after the stop button the panel reads the waiting
// car: 0.0 s and 0.0 m, no distances, "Attente...".
TEST(BrakingSession, ResetMeansStepZeroWithTheWaitingCar)
{
    BrakingSession session;
    session.PrepareShow();
    for (int k = 1; k <= 2; ++k) {
        const Readout fresh = session.Quantities(k);
        EXPECT_EQ(fresh.elapsedS, 0);
        EXPECT_EQ(fresh.distanceM, 0);
        EXPECT_FALSE(fresh.reactionM);
        EXPECT_FALSE(fresh.brakingM);
        EXPECT_EQ(PhaseText(fresh.phase), "Attente...");
    }
    session.StartRun(kRed, kGreen, 6);
    PlayToEnd(session);
    EXPECT_TRUE(session.Quantities(1).brakingM);
    session.ResetRun();
    EXPECT_EQ(session.CurrentStep(), 0);
    EXPECT_FALSE(session.RunMade());
    for (int k = 1; k <= 2; ++k) {
        const Readout reset = session.Quantities(k);
        EXPECT_EQ(reset.elapsedS, 0);
        EXPECT_EQ(reset.distanceM, 0);
        EXPECT_EQ(reset.speedKmh, 0);
        EXPECT_FALSE(reset.reactionM);
        EXPECT_EQ(session.View().CurrentPos(k), CarLength);
        EXPECT_EQ(session.View().Origin(k), 0);
    }
}

TEST(BrakingSession, CurrentStepStaysInsideTheTable)
{
    BrakingSession session;
    session.StartRun(kRed, kGreen, std::numeric_limits<int>::max());
    EXPECT_EQ(session.StepIncrement(), kLastStep);
    session.Tick([](int) {});
    EXPECT_EQ(session.CurrentStep(), kLastStep);
    EXPECT_TRUE(session.Tick([](int) {}));
    for (int given : {-1, std::numeric_limits<int>::min(), kLastStep + 1, std::numeric_limits<int>::max()}) {
        session.SetCurrentStep(given);
        EXPECT_GE(session.CurrentStep(), 0);
        EXPECT_LE(session.CurrentStep(), kLastStep);
    }
    session.StartRun(kRed, kGreen, 0);
    EXPECT_EQ(session.StepIncrement(), 1) << "a run must move forward";
}

// Stored values the controls cannot show become the entry that shows them.
TEST(BrakingSettings, StoredValuesMapToTheOfferedOnes)
{
    struct Row
    {
        const char* name;
        int (*map)(int);
        int stored;
        int offered;
    };
    const Row rows[] = {
        {"speed 0", OfferedSpeed, 0, 5},
        {"speed -1", OfferedSpeed, -1, 5},
        {"speed 62", OfferedSpeed, 62, 60},
        {"speed 63", OfferedSpeed, 63, 65},
        {"speed 181", OfferedSpeed, 181, 180},
        {"speed 10000", OfferedSpeed, 10000, 180},
        {"speed INT_MIN", OfferedSpeed, std::numeric_limits<int>::min(), 5},
        {"road 55", OfferedRoad, 55, 55},
        {"road 0", OfferedRoad, 0, 20},
        {"road 99", OfferedRoad, 99, 20},
        {"reaction 200", OfferedReaction, 200, 200},
        {"reaction -600", OfferedReaction, -600, 300},
        {"reaction 75", OfferedReaction, 75, 300},
        {"time step 3", OfferedTimeStep, 3, 3},
        {"time step 0", OfferedTimeStep, 0, 6},
        {"time step 29", OfferedTimeStep, 29, 6},
        {"spin up at 175", SpeedUp, 175, 180},
        {"spin up at 180", SpeedUp, 180, 180},
        {"spin up at INT_MAX", SpeedUp, std::numeric_limits<int>::max(), 180},
        {"spin down at 10", SpeedDown, 10, 5},
        {"spin down at 15", SpeedDown, 15, 10},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.map(row.stored), row.offered) << row.name;
}

} // namespace
