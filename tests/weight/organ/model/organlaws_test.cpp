// The crush laws and their scatter.
#include "weight/organ/model/organlaws.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Hands out the given draws in turn and counts them.
struct ScriptedDraws
{
    std::vector<double> values;
    int used = 0;
    CrushLaws::RandomSource Source()
    {
        return [this] { return values[std::size_t(used++) % values.size()]; };
    }
};

TEST(CrushLaws, WorkedShotsWithoutScatter)
{
    ScriptedDraws draws{{0.0}};
    CrushLaws laws(draws.Source());
    const TubeRecord usual = laws.CrushedTube(50, 20);
    EXPECT_NEAR(usual.SpeedMs, 13.889, 1e-3);
    EXPECT_NEAR(usual.PushedIn, 4.186, 1e-3);
    EXPECT_NEAR(usual.Deformed, 1.057, 1e-3);
    EXPECT_EQ(usual.SpeedKmh, 50);
    EXPECT_EQ(usual.Mass, 20);

    // The hardest shot: the crumpled part takes all that is left of the tube.
    const TubeRecord extreme = laws.CrushedTube(130, 20);
    EXPECT_NEAR(extreme.PushedIn, 28.297, 1e-3);
    EXPECT_NEAR(laws.DeformedLaw(extreme.SpeedMs, 20), 7.146, 1e-3);
    EXPECT_NEAR(extreme.Deformed, 32 - extreme.PushedIn, 1e-12);

    // Half the mass, half the crush.
    EXPECT_NEAR(laws.CrushedTube(50, 10).PushedIn, usual.PushedIn / 2, 1e-12);
    EXPECT_EQ(draws.used, 0);
}

TEST(CrushLaws, ScatterIsCentredOnTheLawAndDrawnAtEveryUse)
{
    ScriptedDraws draws{{0.0, 0.5, 0.999999}};
    CrushLaws laws(draws.Source());
    laws.SetScatter(true);
    const double v = SpeedMsFromKmh(50);
    const double exact = 0.0217 * v * v;
    EXPECT_NEAR(laws.PushedInLaw(v, 20), exact * 0.975, 1e-9);
    EXPECT_NEAR(laws.PushedInLaw(v, 20), exact, 1e-9);
    EXPECT_NEAR(laws.PushedInLaw(v, 20), exact * 1.025, 1e-6);
    EXPECT_EQ(draws.used, 3);

    // A recorded tube draws once per law.
    laws.CrushedTube(50, 20);
    EXPECT_EQ(draws.used, 5);
}

} // namespace
