// The driver's field: its angle at each speed and its span on each row.
#include "road/field/model/fieldshape.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldAngle, EveryOfferedSpeedHasItsAngle)
{
    const struct
    {
        int speedKmh;
        int degrees;
    } rows[] = {{0, 170}, {5, 159}, {10, 151}, {15, 143}, {20, 135}, {25, 127}, {30, 120}, {35, 113}, {40, 106},
                {45, 99}, {50, 93}, {55, 87},  {60, 81},  {65, 75},  {70, 70},  {75, 65},  {80, 60},  {85, 56},
                {90, 52}, {95, 48}, {100, 44}, {105, 41}, {110, 37}, {115, 34}, {120, 32}};
    for (const auto& row : rows)
        EXPECT_EQ(FieldAngleFor(row.speedKmh), row.degrees) << row.speedKmh << " km/h";
}

TEST(FieldAngle, SpeedsBeyondTheOfferedRangeTakeItsEnds)
{
    EXPECT_EQ(FieldAngleFor(-20), 170);
    EXPECT_EQ(FieldAngleFor(200), 32);
}

TEST(FieldGeometry, EyeSitsAtItsMetresWithHalvesRoundedToEven)
{
    const struct
    {
        const char* name;
        int width;
        int height;
        int eyeX;
        int eyeY;
    } rows[] = {
        // 18.25 pixels a metre: whole metres per pixel would put the eye
        // at column 203 and row 350.
        {"smallest window", 365, 431, 206, 349},
        {"4.5 pixels up rounds down to 4", 20, 100, 11, 96},
        {"56.5 pixels across rounds down to 56", 100, 100, 56, 78},
    };
    for (const auto& row : rows) {
        const FieldGeometry geometry(row.width, row.height);
        EXPECT_EQ(geometry.EyeX(), row.eyeX) << row.name;
        EXPECT_EQ(geometry.EyeY(), row.eyeY) << row.name;
    }
    EXPECT_DOUBLE_EQ(FieldGeometry(365, 431).PixelsPerMetre(), 18.25);
}

TEST(FieldShape, SpansWidenAheadOfTheEyeWithinTheDisplay)
{
    const FieldGeometry geometry(365, 431);
    const struct
    {
        int angle;
        std::size_t row;
        FieldSpan span;
    } rows[] = {{170, 0, {206, 206}},  {170, 1, {195, 217}}, {170, 20, {0, 365}},  {30, 1, {206, 206}},
                {30, 100, {179, 233}}, {32, 20, {200, 212}}, {32, 348, {106, 306}}};
    for (const auto& row : rows) {
        const std::vector<FieldSpan> field = ComputeField(geometry, row.angle);
        ASSERT_EQ(field.size(), 349u) << "the eye row up to row 1";
        EXPECT_EQ(field[row.row], row.span) << row.angle << " degrees, row " << row.row;
    }
}

TEST(FieldShape, AnEyeBelowTheDisplayGivesNoRows)
{
    // 4.5 m are 225 pixels on a display 1000 wide and 10 high.
    EXPECT_TRUE(ComputeField(FieldGeometry(1000, 10), 170).empty());
    EXPECT_EQ(ComputeField(FieldGeometry(1, 1), 170).size(), 1u);
}

} // namespace
