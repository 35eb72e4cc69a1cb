// Spelling of integers and colours in the settings file.
#include "app/settings/profilevalues.h"

#include <gtest/gtest.h>

namespace {

struct ParseCase
{
    const char* name;
    const char* text;
    std::optional<std::int32_t> expected;
};

class ParseProfileIntTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseProfileIntTest, ReadsAsTheProfileRuleSays)
{
    EXPECT_EQ(ParseProfileInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseProfileIntTest,
    testing::Values(
        ParseCase{"decimal", "100", 100},
        ParseCase{"negative", "-250", -250},
        ParseCase{"plus_sign", "+7", 7},
        ParseCase{"zero", "0", 0},
        ParseCase{"hex_lower", "0x10", 16},
        ParseCase{"hex_upper_prefix", "0X1f", 31},
        ParseCase{"hex_upper_digits", "0xFF00", 0xFF00},
        ParseCase{"prefix_alone_is_not_hex", "0x", std::nullopt},
        ParseCase{"prefix_alone_upper", "0X", std::nullopt},
        ParseCase{"hex_bad_digit", "0x1G", std::nullopt},
        ParseCase{"hex_twice_prefixed", "0x0x10", std::nullopt},
        ParseCase{"hex_signed", "0x-1", std::nullopt},
        ParseCase{"hex_top_bit_is_pattern", "0xFFFFFFFF", -1},
        ParseCase{"hex_largest_positive", "0x7FFFFFFF", 2147483647},
        ParseCase{"hex_leading_zeros", "0x000000010", 16},
        ParseCase{"hex_over_32_bits", "0x100000000", std::nullopt},
        ParseCase{"int_max", "2147483647", 2147483647},
        ParseCase{"int_min", "-2147483648", -2147483647 - 1},
        ParseCase{"above_int_max", "2147483648", std::nullopt},
        ParseCase{"below_int_min", "-2147483649", std::nullopt},
        ParseCase{"twenty_digits", "99999999999999999999", std::nullopt},
        ParseCase{"empty", "", std::nullopt},
        ParseCase{"sign_alone", "-", std::nullopt},
        ParseCase{"trailing_text", "12abc", std::nullopt},
        ParseCase{"word", "vrai", std::nullopt},
        ParseCase{"decimal_point", "1.5", std::nullopt},
        ParseCase{"inner_blank", "1 2", std::nullopt}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(ParseProfileInt, EmbeddedNulIsNotANumber)
{
    EXPECT_EQ(ParseProfileInt(QByteArrayView("12\0" "3", 4)), std::nullopt);
}

TEST(FormatProfileInt, WritesPlainDecimal)
{
    EXPECT_EQ(FormatProfileInt(1200000), "1200000");
    EXPECT_EQ(FormatProfileInt(-5), "-5");
    EXPECT_EQ(FormatProfileInt(-2147483647 - 1), "-2147483648");
}

} // namespace
