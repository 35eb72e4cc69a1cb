// The experiment: layout, shots, steps, dragging and edits of the list.
#include "weight/organ/model/organmodel.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

// The design client area: 803 x 576 with a 104 pixel panel.
OrganLayout DesignLayout()
{
    return OrganLayout::ForClient(803, 576, 104);
}

class Organ : public testing::Test
{
protected:
    void SetUp() override
    {
        model.SetLayout(DesignLayout());
        model.Reset(SortSpeedUp);
    }

    // Shoots at the speed shown and runs the shot to its end; returns the
    // number of ticks.
    int Shoot()
    {
        model.Launch();
        int ticks = 0;
        while (model.Shot().Flying() && ticks < 10000) {
            model.Tick();
            ++ticks;
        }
        return ticks;
    }
    // Bounded: a value the steps cannot reach fails instead of hanging.
    void SetSpeed(int speed)
    {
        for (int step = 0; step < 1000 && model.StrikerSpeed() != speed; ++step)
            model.StrikerSpeed() > speed ? model.SpeedDown() : model.SpeedUp();
        ASSERT_EQ(model.StrikerSpeed(), speed);
    }
    void SetMass(int mass)
    {
        for (int step = 0; step < 1000 && model.StrikerMass() != mass; ++step)
            model.StrikerMass() > mass ? model.MassDown() : model.MassUp();
        ASSERT_EQ(model.StrikerMass(), mass);
    }
    void ShootAt(int speed, int mass = 20)
    {
        SetSpeed(speed);
        SetMass(mass);
        Shoot();
    }

    OrganModel model;
};

TEST(OrganLayout, DesignSizeAndTinyWindows)
{
    const OrganLayout design = DesignLayout();
    EXPECT_EQ(design.DisplayWidth(), 793);
    EXPECT_EQ(design.BenchHeight(), 91);
    EXPECT_EQ(design.TubesHeight(), 364);
    EXPECT_DOUBLE_EQ(design.BenchScale(), 4.55);
    // 793 div Nearest(4 x 364 / 34 = 42.8) - 1.
    EXPECT_EQ(design.PageCapacity(), 17);
    EXPECT_EQ(design.TubeEnd(), 191);
    EXPECT_EQ(design.StrikerWidth(20), 105);
    EXPECT_EQ(design.StrikerWidth(1), 5);

    // Five pitches of 43 leave room for four tubes, a narrower display
    // for fewer, and never for none.
    EXPECT_EQ(OrganLayout::ForClient(10 + 5 * 43, 576, 104).PageCapacity(), 4);
    EXPECT_EQ(OrganLayout::ForClient(10 + 5 * 43 - 1, 576, 104).PageCapacity(), 3);
    const OrganLayout tiny = OrganLayout::ForClient(0, 0, 104);
    EXPECT_EQ(tiny.DisplayWidth(), 1);
    EXPECT_EQ(tiny.BenchHeight(), 1);
    EXPECT_EQ(tiny.PageCapacity(), 1);
}

TEST_F(Organ, AShotRunsFromHomeToWhereItPushedTheTubeIn)
{
    model.Launch();
    EXPECT_TRUE(model.Shot().Flying());
    EXPECT_EQ(model.Shot().StrikerX(), 793);
    // 4.19 cm pushed in, 1.06 cm crumpled, 26.76 cm straight, at 4.55 px/cm.
    EXPECT_EQ(model.Shot().StopX(), 191 - 19);
    EXPECT_EQ(model.Shot().DeformedPx(), 5);
    EXPECT_EQ(model.Shot().StraightPx(), 122);

    model.Tick();
    EXPECT_EQ(model.Shot().StrikerX(), 793 - 46); // 50 x 0.2 cm per tick
    int ticks = 1;
    while (model.Shot().Flying() && ticks < 100) {
        model.Tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 14);
    EXPECT_TRUE(model.Shot().Crushed());
    EXPECT_EQ(model.Shot().StrikerX(), 172);
    ASSERT_EQ(model.Tubes().TubeCount(), 1);
    EXPECT_EQ(model.Tubes().Tube(1).SpeedKmh, 50);
}

TEST_F(Organ, AShotAtRestEndsAtOnceAndRecordsAnUncrushedTube)
{
    SetSpeed(0);
    model.Launch();
    model.Tick();
    EXPECT_FALSE(model.Shot().Flying());
    EXPECT_EQ(model.Shot().StrikerX(), model.Layout().Home());
    EXPECT_EQ(model.Shot().StopX(), model.Layout().TubeEnd());
    ASSERT_EQ(model.Tubes().TubeCount(), 1);
    EXPECT_EQ(model.Tubes().Tube(1).PushedIn, 0);
    EXPECT_EQ(model.Tubes().Tube(1).Deformed, 0);
}

TEST_F(Organ, SpeedAndMassStepsStopAtTheirLimits)
{
    using Step = std::tuple<int, bool, int>; // from, up, to
    for (const auto& [from, up, to] :
         {Step{5, false, 0}, Step{50, false, 45}, Step{0, false, 0}, Step{125, true, 130}, Step{130, true, 130}}) {
        SetSpeed(from);
        up ? model.SpeedUp() : model.SpeedDown();
        EXPECT_EQ(model.StrikerSpeed(), to) << from << (up ? " up" : " down");
    }
    for (const auto& [from, up, to] : {Step{2, false, 1}, Step{1, false, 1}, Step{19, true, 20}, Step{20, true, 20}}) {
        SetMass(from);
        up ? model.MassUp() : model.MassDown();
        EXPECT_EQ(model.StrikerMass(), to) << from << (up ? " up" : " down");
    }
}

TEST_F(Organ, AStepDuringAShotRecordsTheShotFirst)
{
    model.Launch();
    model.Tick();
    model.SpeedUp();
    EXPECT_FALSE(model.Shot().Flying());
    EXPECT_FALSE(model.Shot().Crushed()); // the bench is cleared
    ASSERT_EQ(model.Tubes().TubeCount(), 1);
    EXPECT_EQ(model.Tubes().Tube(1).SpeedKmh, 50);
    EXPECT_EQ(model.StrikerSpeed(), 55);
}

TEST_F(Organ, ClearingTheBenchPutsTheStrikerRightOfTheTubeAndNeverLosesIt)
{
    Shoot();
    EXPECT_LT(model.Shot().StrikerX(), model.Layout().TubeEnd());
    model.MassDown();
    EXPECT_EQ(model.Shot().StrikerX(), 191 * 3 / 2);

    // With no shot flying, a step leaves the striker where it is.
    model.MassDown();
    EXPECT_EQ(model.Shot().StrikerX(), 191 * 3 / 2);
    EXPECT_EQ(model.Tubes().TubeCount(), 1);
}

TEST_F(Organ, ANewLayoutFinishesAFlyingShotAndAlwaysEnds)
{
    model.Launch();
    model.SetLayout(OrganLayout::ForClient(1200, 900, 104));
    EXPECT_FALSE(model.Shot().Flying());
    EXPECT_FALSE(model.Shot().Crushed());
    EXPECT_EQ(model.Shot().StrikerX(), 1190 / 2);
    EXPECT_EQ(model.Tubes().TubeCount(), 1);

    // On the smallest bench a slow shot still moves and ends.
    model.SetLayout(OrganLayout::ForClient(800, 120, 104));
    SetSpeed(5);
    EXPECT_EQ(OrganShot::Step(model.Layout(), 5), 1);
    EXPECT_LT(Shoot(), 10000);
}

TEST_F(Organ, DeleteDuringAFlyingShotDeletesTheSelectedTube)
{
    ShootAt(10);
    ShootAt(30);
    ShootAt(50);
    model.Select(3);
    SetSpeed(20);
    model.Launch();
    model.DeleteSelected();
    ASSERT_EQ(model.Tubes().TubeCount(), 3);
    EXPECT_EQ(model.Tubes().Tube(1).SpeedKmh, 10);
    EXPECT_EQ(model.Tubes().Tube(2).SpeedKmh, 20);
    EXPECT_EQ(model.Tubes().Tube(3).SpeedKmh, 30);
}

TEST_F(Organ, DraggingTheStrikerStopsAtTheTubeOrWhereTheShotStopped)
{
    const int middle = model.Shot().StrikerX();
    EXPECT_FALSE(model.StartDrag(middle - 1));
    EXPECT_FALSE(model.StartDrag(middle + 105));
    ASSERT_TRUE(model.StartDrag(middle + 104));
    model.DragTo(0);
    EXPECT_EQ(model.Shot().StrikerX(), 191);
    model.DragTo(5000);
    EXPECT_EQ(model.Shot().StrikerX(), 793 - 105); // stays on the bench
    model.EndDrag();

    Shoot();
    ASSERT_TRUE(model.StartDrag(model.Shot().StrikerX()));
    model.DragTo(0);
    EXPECT_EQ(model.Shot().StrikerX(), model.Shot().StopX());
    model.EndDrag();

    model.Launch();
    EXPECT_FALSE(model.StartDrag(model.Shot().StrikerX()));
}

} // namespace
