// Pages of tubes, the page label and the hit test.
#include "weight/organ/model/tubepaging.h"

#include <gtest/gtest.h>

namespace {

TubePaging Pages(int capacity, int count)
{
    TubePaging paging;
    paging.SetCapacity(capacity);
    paging.Update(count);
    return paging;
}

TEST(TubePaging, TwentyOneTubesByTen)
{
    TubePaging paging = Pages(10, 21);
    EXPECT_EQ(paging.PageCount(), 3);
    EXPECT_EQ(paging.Label(), QStringLiteral("Page : 1/3\n10 tubes sur 21"));
    EXPECT_FALSE(paging.CanGoBack());
    EXPECT_TRUE(paging.CanGoForward());

    paging.NextPage();
    paging.NextPage();
    EXPECT_EQ(paging.Page(), 3);
    EXPECT_EQ(paging.FirstOnPage(), 21);
    EXPECT_EQ(paging.OnPage(), 1);
    EXPECT_EQ(paging.Label(), QStringLiteral("Page : 3/3\n1 tube sur 21"));
    EXPECT_TRUE(paging.CanGoBack());
    EXPECT_FALSE(paging.CanGoForward());

    // Paging beyond the ends stays on the pages there are.
    paging.NextPage();
    EXPECT_EQ(paging.Page(), 3);
}

TEST(TubePaging, LosingTheLastPageShowsTheNewLastOne)
{
    TubePaging paging = Pages(10, 21);
    paging.NextPage();
    paging.NextPage();
    paging.Update(20);
    EXPECT_EQ(paging.Page(), 2);
    EXPECT_EQ(paging.OnPage(), 10);
}

TEST(TubePaging, NeverDividesByZeroAndAnEmptyListShowsPageOne)
{
    TubePaging paging = Pages(10, 1);
    paging.Update(0);
    EXPECT_EQ(paging.Page(), 1);
    EXPECT_EQ(paging.PageCount(), 1);
    EXPECT_EQ(paging.FirstOnPage(), 1);
    EXPECT_EQ(paging.OnPage(), 0);
    EXPECT_EQ(paging.Label(), QStringLiteral("Page : 1/1\n0 tube sur 0"));

    const TubePaging none = Pages(0, 3);
    EXPECT_EQ(none.PageCapacity(), 1);
    EXPECT_EQ(none.PageCount(), 3);
}

struct HitCase
{
    const char* name;
    double x;
    int tube;
};

TEST(TubePaging, APointBelongsToTheTubeWithTheNearestCentre)
{
    // 10 pixels per cm: tube centres at 40, 80, 120 ... pixels.
    const HitCase onPage2[] = {
        {"left margin", 20, -1},
        {"just right of it", 20.5, 4},
        {"first centre", 40, 4},
        {"left of the half-way", 59.9, 4},
        {"half-way between centres", 60, -1},
        {"right of the half-way", 60.1, 5},
        {"second centre", 80, 5},
        {"third centre", 120, 6},
        {"past the page's tubes", 140.5, -1},
        {"far right", 1e300, -1},
        {"left of the display", -15, -1},
    };
    TubePaging paging = Pages(3, 6);
    paging.NextPage();
    for (const HitCase& c : onPage2)
        EXPECT_EQ(paging.TubeAt(c.x, 10), c.tube) << c.name;

    // A last page with one tube.
    TubePaging last = Pages(3, 4);
    last.NextPage();
    EXPECT_EQ(last.TubeAt(40, 10), 4);
    EXPECT_EQ(last.TubeAt(80, 10), -1);
    EXPECT_EQ(Pages(3, 0).TubeAt(40, 10), -1);
}

} // namespace
