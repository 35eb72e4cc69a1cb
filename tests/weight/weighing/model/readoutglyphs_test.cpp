// The shapes of the readout's glyphs: which points of a cell are lit.
#include "weight/weighing/model/readoutglyphs.h"

#include <gtest/gtest.h>

namespace {

struct PointCase
{
    const char* name;
    int glyph; // -1: the unit letter
    double x;
    double y;
    bool lit;
};

class ReadoutGlyphTest : public testing::TestWithParam<PointCase>
{ };

TEST_P(ReadoutGlyphTest, LightsThePointsOfItsSegments)
{
    const PointCase& c = GetParam();
    EXPECT_EQ(c.glyph < 0 ? UnitLit(c.x, c.y) : GlyphLit(c.glyph, c.x, c.y), c.lit) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Points, ReadoutGlyphTest,
    testing::Values(PointCase{"eight_top", 8, 13, 5, true}, PointCase{"eight_upper_right", 8, 21, 11.5, true},
                    PointCase{"eight_lower_right", 8, 21, 24.5, true}, PointCase{"eight_bottom", 8, 13, 31, true},
                    PointCase{"eight_lower_left", 8, 5, 24.5, true}, PointCase{"eight_upper_left", 8, 5, 11.5, true},
                    PointCase{"eight_middle", 8, 13, 18, true}, PointCase{"eight_hole", 8, 13, 11.5, false},
                    PointCase{"one_right", 1, 21, 11.5, true}, PointCase{"one_no_top", 1, 13, 5, false},
                    PointCase{"one_no_middle", 1, 13, 18, false}, PointCase{"zero_no_middle", 0, 13, 18, false},
                    // Segments are four pixels thick, their ends pointed.
                    PointCase{"within_half", 8, 13, 6.9, true}, PointCase{"at_half", 8, 13, 7, false},
                    PointCase{"corner_left_empty", 8, 5.5, 5.5, false}, PointCase{"point_tip", 8, 6.5, 5, true},
                    PointCase{"beside_tip", 8, 6.5, 6.5, false},
                    // D E P A S S E after the digits.
                    PointCase{"e_no_right", 11, 21, 11.5, false}, PointCase{"e_left", 11, 5, 11.5, true},
                    PointCase{"p_no_lower_right", 12, 21, 24.5, false}, PointCase{"a_no_bottom", 13, 13, 31, false},
                    PointCase{"no_glyph_before", -2, 13, 18, false}, PointCase{"no_glyph_after", 17, 13, 18, false},
                    // N: uprights on columns 3-5 and 14-16, rows 6-25, and the diagonal.
                    PointCase{"n_left", -1, 4, 15, true}, PointCase{"n_above", -1, 4, 5.5, false},
                    PointCase{"n_below", -1, 4, 26.5, false}, PointCase{"n_right", -1, 16.5, 15, true},
                    PointCase{"n_past_right", -1, 17.5, 15, false}, PointCase{"n_diagonal", -1, 9.5, 15.5, true},
                    PointCase{"n_off_diagonal", -1, 12.5, 15.5, false}),
    [](const testing::TestParamInfo<PointCase>& info) { return std::string(info.param.name); });

} // namespace
