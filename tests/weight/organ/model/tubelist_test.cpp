// The tube list: refusals, the stable sort, selection and deletion.
#include "weight/organ/model/tubelist.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

TubeRecord Tube(int speedKmh, int massKg)
{
    TubeRecord t;
    t.SpeedKmh = speedKmh;
    t.Mass = massKg;
    return t;
}

// "speed/mass" of every tube in list order.
std::string Order(const TubeList& list)
{
    std::string text;
    for (const TubeRecord& t : list.Tubes())
        text += std::to_string(int(t.SpeedKmh)) + "/" + std::to_string(t.Mass) + " ";
    return text;
}

TubeList ListOf(int mode, const std::vector<std::pair<int, int>>& shots)
{
    TubeList list;
    list.SetSortMode(mode);
    for (const auto& [speed, mass] : shots)
        list.AddTube(Tube(speed, mass));
    return list;
}

TEST(TubeList, RefusesADuplicateShotAndA31stTube)
{
    TubeList list = ListOf(SortNone, {{50, 20}});
    EXPECT_FALSE(list.AddTube(Tube(50, 20)));
    EXPECT_TRUE(list.AddTube(Tube(50, 19)));
    EXPECT_EQ(list.TubeCount(), 2);

    for (int speed = 0; list.TubeCount() < TubeList::MaxTubes; speed += 5)
        EXPECT_TRUE(list.AddTube(Tube(speed, 1)));
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.AddTube(Tube(125, 7)));
    EXPECT_EQ(list.TubeCount(), 30);
}

struct SortCase
{
    const char* name;
    int mode;
    const char* expected;
};

TEST(TubeList, SortModesKeepTheShotOrderOfEqualKeys)
{
    // Shot at 50, 30, 50, 10 km/h; the masses tell the two 50 km/h apart.
    const std::vector<std::pair<int, int>> shots{{50, 5}, {30, 9}, {50, 2}, {10, 5}};
    const SortCase cases[] = {
        {"no sort", SortNone, "50/5 30/9 50/2 10/5 "},         {"speed up", SortSpeedUp, "10/5 30/9 50/5 50/2 "},
        {"speed down", SortSpeedDown, "50/5 50/2 30/9 10/5 "}, {"mass up", SortMassUp, "50/2 50/5 10/5 30/9 "},
        {"mass down", SortMassDown, "30/9 50/5 10/5 50/2 "},
    };
    for (const SortCase& c : cases)
        EXPECT_EQ(Order(ListOf(c.mode, shots)), c.expected) << c.name;
}

TEST(TubeList, TheSelectionFollowsItsTubeWhenANewTubeIsSortedIn)
{
    TubeList list = ListOf(SortSpeedUp, {{10, 20}, {30, 20}, {50, 20}});
    list.Select(3);
    list.AddTube(Tube(20, 20));
    ASSERT_EQ(list.Selected(), 4);
    EXPECT_EQ(list.Tube(list.Selected()).SpeedKmh, 50);
}

struct DeleteCase
{
    const char* name;
    int selected;
    int deleted;
    int selectedAfter;
    const char* left;
};

TEST(TubeList, DeletingPassesTheSelectionOnAndDropsTheHover)
{
    const DeleteCase cases[] = {
        {"selected middle tube: the next takes its place", 2, 2, 2, "10/1 50/1 "},
        {"selected last tube: the new last", 3, 3, 2, "10/1 30/1 "},
        {"tube before the selected one", 3, 1, 2, "30/1 50/1 "},
        {"no tube there", 2, 4, 2, "10/1 30/1 50/1 "},
        {"no selection", -1, -1, -1, "10/1 30/1 50/1 "},
    };
    for (const DeleteCase& c : cases) {
        TubeList list = ListOf(SortSpeedUp, {{10, 1}, {30, 1}, {50, 1}});
        list.Select(c.selected);
        list.Hover(c.selected);
        list.DeleteTube(c.deleted);
        EXPECT_EQ(list.Selected(), c.selectedAfter) << c.name;
        EXPECT_EQ(Order(list), c.left) << c.name;
        if (c.deleted >= 1 && c.deleted <= 3) {
            EXPECT_EQ(list.Hovered(), -1) << c.name;
        }
    }
}

} // namespace
