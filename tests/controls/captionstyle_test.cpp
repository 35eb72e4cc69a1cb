// The style word of the caption controls: every property sets or clears
// exactly its own bits, whatever the previous word held.
#include "controls/captionstyle.h"
#include "controls/tapibutton.h"
#include "controls/tapicheckbox.h"

#include <gtest/gtest.h>

namespace {

struct StyleRow
{
    const char* name;
    bool multiline;
    bool flat;
    TBtnHAlignment hAlign;
    TBtnVAlignment vAlign;
    std::uint32_t expectedBits; // multi-line, flat and place bits
};

const StyleRow kStyleRows[] = {
    {"all_on_left_top", true, true, btnHLeft, btnVTop, 0x2000 | 0x8000 | 0x100 | 0x400},
    {"right_bottom", true, true, btnHRight, btnVBottom, 0x2000 | 0x8000 | 0x200 | 0x800},
    {"centre_centre", true, true, btnHCenter, btnVCenter, 0x2000 | 0x8000 | 0x300 | 0xC00},
    {"single_line", false, true, btnHLeft, btnVCenter, 0x8000 | 0x100 | 0xC00},
    {"raised", true, false, btnHRight, btnVTop, 0x2000 | 0x200 | 0x400},
    {"single_line_raised", false, false, btnHCenter, btnVBottom, 0x300 | 0x800},
};

class CaptionStyleWord : public testing::TestWithParam<StyleRow>
{ };

// The style word of a fresh `Control` given the row's properties.
template <class Control> std::uint32_t StyleWordOf(const StyleRow& row)
{
    Control control("C");
    control.SetMultiline(row.multiline);
    control.SetFlat(row.flat);
    control.SetCaptionHAlign(row.hAlign);
    control.SetCaptionVAlign(row.vAlign);
    return control.StyleWord();
}

TEST_P(CaptionStyleWord, ButtonWordHoldsTheButtonKindAndTheCaptionBits)
{
    EXPECT_EQ(StyleWordOf<TAPIButton>(GetParam()), CaptionBits::PushButton | GetParam().expectedBits);
}

TEST_P(CaptionStyleWord, CheckBoxWordHoldsTheCheckBoxKindAndTheCaptionBits)
{
    EXPECT_EQ(StyleWordOf<TAPICheckBox>(GetParam()), CaptionBits::AutoCheckBox | GetParam().expectedBits);
}

// Applying the properties over a word with every caption bit set must
// leave only the requested ones.
TEST_P(CaptionStyleWord, StaleBitsOfThePreviousPlaceAreCleared)
{
    const StyleRow& row = GetParam();
    const std::uint32_t stale = 0xFFFFu & ~0x00FFu;
    const std::uint32_t word = ApplyCaptionStyle(stale, row.multiline, row.flat, row.hAlign, row.vAlign);
    const std::uint32_t captionMask = 0x2000 | 0x8000 | 0x300 | 0xC00;
    EXPECT_EQ(word & captionMask, row.expectedBits);
    EXPECT_EQ(word & ~captionMask, stale & ~captionMask);
}

INSTANTIATE_TEST_SUITE_P(Rows, CaptionStyleWord, testing::ValuesIn(kStyleRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CaptionStyleDefaults, ButtonStartsMultiLineFlatAtTheBottomRight)
{
    TAPIButton button("OkBout");
    EXPECT_EQ(button.StyleWord(), 0x2000u | 0x8000u | 0x200u | 0x800u);
    EXPECT_EQ(button.CaptionHAlign(), btnHRight);
    EXPECT_EQ(button.CaptionVAlign(), btnVBottom);
}

TEST(CaptionStyleDefaults, CheckBoxStartsMultiLineFlatLeftAndMiddleWithTheBoxOnTheLeft)
{
    TAPICheckBox box("TipCheck");
    EXPECT_EQ(box.StyleWord(), 0x0003u | 0x2000u | 0x8000u | 0x100u | 0xC00u);
    EXPECT_EQ(box.Alignment(), 0);
}

TEST(CaptionStyleLeftText, OnlyTheValueOneSetsTheLeftTextBit)
{
    const struct
    {
        TLeftRight alignment;
        bool leftText;
    } rows[] = {{0, false}, {1, true}, {2, false}, {255, false}};
    for (const auto& row : rows) {
        TAPICheckBox box("C");
        box.SetAlignment(1);
        box.SetAlignment(row.alignment);
        EXPECT_EQ((box.StyleWord() & 0x20u) != 0, row.leftText) << "alignment " << int(row.alignment);
        EXPECT_EQ(box.Alignment(), row.alignment);
    }
}

TEST(CaptionStyleOutOfRange, UnknownPlacesLeaveTheirBitsClear)
{
    const std::uint32_t word = ApplyCaptionStyle(0x0F00, true, true, TBtnHAlignment(7), TBtnVAlignment(9));
    EXPECT_EQ(word & 0x0F00u, 0u);
    // With no place bits the caption takes the control's default place.
    const int flags = CaptionTextFlags(word, Qt::AlignHCenter);
    EXPECT_TRUE(flags & Qt::AlignHCenter);
    EXPECT_TRUE(flags & Qt::AlignVCenter);
}

TEST(CaptionTextFlags, FollowTheStyleBits)
{
    const struct
    {
        std::uint32_t style;
        int expected;
    } rows[] = {
        {0x2000 | 0x100 | 0x400, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap},
        {0x200 | 0x800, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine},
        {0x300 | 0xC00, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine},
    };
    for (const auto& row : rows)
        EXPECT_EQ(CaptionTextFlags(row.style, Qt::AlignLeft), row.expected | Qt::TextShowMnemonic)
            << std::hex << row.style;
}

} // namespace
