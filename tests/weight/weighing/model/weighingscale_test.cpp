// A column's scale taken off halfway up drains from what it shows.
#include "weight/weighing/model/weighingscale.h"

#include <gtest/gtest.h>

TEST(ScaleColumn, TakenOffHalfwayUpDrainsFromWhatItShows)
{
    ScaleColumn column;
    column.Rise(100.0);
    for (int frame = 0; frame < 8; ++frame)
        column.Tick();
    const double halfway = column.ShownWeight();
    ASSERT_GT(halfway, 0.0);
    column.Fall();
    column.Tick();
    EXPECT_EQ(column.ShownWeight(), halfway);
}
