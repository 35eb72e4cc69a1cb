// The INI profile: sections and keys found without regard to case, the rest
// of the file kept as it was; and how integers and colours are spelled.
#include "app/settings/iniprofile.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

QByteArray ValueOr(const IniProfile& profile, const char* section, const char* key)
{
    return profile.Value(section, key).value_or("<missing>");
}

TEST(IniProfileLookup, SectionsAndKeysIgnoreCase)
{
    const auto profile = IniProfile::FromBytes("[general]\r\nTIPFLAG=0\r\n");
    EXPECT_EQ(ValueOr(profile, "General", "TipFlag"), "0");
    EXPECT_EQ(ValueOr(profile, "GENERAL", "tipflag"), "0");
}

TEST(IniProfileLookup, ReadsLfAndCrLfFiles)
{
    for (const QByteArray& ending : {QByteArray("\n"), QByteArray("\r\n")}) {
        const auto profile = IniProfile::FromBytes("[A]" + ending + "x=1" + ending + "y=2" + ending);
        EXPECT_EQ(ValueOr(profile, "A", "x"), "1") << ending.toHex().constData();
        EXPECT_EQ(ValueOr(profile, "A", "y"), "2") << ending.toHex().constData();
    }
}

TEST(IniProfileLookup, BlanksAroundNamesAndValuesAreIgnored)
{
    const auto profile = IniProfile::FromBytes("  [ A ]  \n\t x \t=  12 \t\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "12");
}

TEST(IniProfileLookup, EnclosingQuotesAreRemoved)
{
    const auto profile = IniProfile::FromBytes("[A]\nx=\"5\"\ny='6'\nz=\"7\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "5");
    EXPECT_EQ(ValueOr(profile, "A", "y"), "6");
    EXPECT_EQ(ValueOr(profile, "A", "z"), "\"7");
}

TEST(IniProfileLookup, FirstOfDuplicatedKeysAndSectionsWins)
{
    const auto profile = IniProfile::FromBytes("[A]\nx=1\nX=2\n[B]\nz=0\n[a]\nx=3\ny=4\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "1");
    // A key found only in the repeated section is still found there.
    EXPECT_EQ(ValueOr(profile, "A", "y"), "4");
}

TEST(IniProfileLookup, KeysBeforeAnySectionOrInOtherSectionsDoNotMatch)
{
    const auto profile = IniProfile::FromBytes("x=1\n[B]\nx=2\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "<missing>");
    EXPECT_EQ(ValueOr(profile, "B", "y"), "<missing>");
}

TEST(IniProfileLookup, EmptyValueIsPresentButEmpty)
{
    const auto profile = IniProfile::FromBytes("[A]\nx=\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "");
}

TEST(IniProfileLookup, LongValuesAreCutTo1023Characters)
{
    const QByteArray longValue(5000, '7');
    const auto profile = IniProfile::FromBytes("[A]\nx=" + longValue + "\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), QByteArray(IniProfile::MaxValueLength, '7'));
}

TEST(IniProfileLookup, SectionWithoutClosingBracketStillOpens)
{
    const auto profile = IniProfile::FromBytes("[A\nx=1\n");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "1");
}

TEST(IniProfileLookup, BinaryBytesAndNulDoNotDisturbOtherLines)
{
    static const char garbage[] = "\x00\xff\xfe[\x01\x02=\x00\r\r\n";
    QByteArray bytes(garbage, sizeof garbage - 1);
    bytes += "[A]\nx=3\n";
    bytes += QByteArray("\x00=\x00\n", 4);
    const auto profile = IniProfile::FromBytes(bytes);
    EXPECT_EQ(ValueOr(profile, "A", "x"), "3");
    EXPECT_EQ(profile.ToBytes(), IniProfile::FromBytes(profile.ToBytes()).ToBytes());
}

TEST(IniProfileWrite, UntouchedFileIsWrittenBackAsItWas)
{
    const QByteArray file = "; comment\r\n\r\n[A]\r\nx=1\r\ngarbage line\r\n\r\n[B]\r\ny = 2\r\n";
    EXPECT_EQ(IniProfile::FromBytes(file).ToBytes(), file);
}

TEST(IniProfileWrite, CarriageReturnsEndingALineGoWithItsLineEnd)
{
    const QByteArray written = IniProfile::FromBytes("[A]\nx=1\r\r\ny=2\n").ToBytes();
    EXPECT_EQ(written, "[A]\nx=1\ny=2\n");
    EXPECT_EQ(IniProfile::FromBytes(written).ToBytes(), written);
}

TEST(IniProfileWrite, NewKeyGoesAtTheEndOfItsSectionBeforeBlankLines)
{
    auto profile = IniProfile::FromBytes("[A]\nx=1\n\n\n[B]\ny=2\n");
    profile.SetValue("A", "z", "3");
    EXPECT_EQ(profile.ToBytes(), "[A]\nx=1\nz=3\n\n\n[B]\ny=2\n");
    EXPECT_EQ(ValueOr(profile, "A", "z"), "3");
    EXPECT_EQ(ValueOr(profile, "A", "x"), "1");
}

// What SetValue leaves of a file: the file before, the values set in turn
// (section, key, value) and the bytes then written.
struct EditCase
{
    const char* name;
    const char* before; // null: a fresh profile
    std::vector<std::array<const char*, 3>> edits;
    const char* after;
};

class IniProfileEditTest : public testing::TestWithParam<EditCase>
{ };

TEST_P(IniProfileEditTest, WritesTheFileWithOnlyTheEditsChanged)
{
    const EditCase& row = GetParam();
    IniProfile profile = row.before ? IniProfile::FromBytes(row.before) : IniProfile();
    for (const auto& [section, key, value] : row.edits)
        profile.SetValue(section, key, value);
    EXPECT_EQ(profile.ToBytes(), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IniProfileEditTest,
    testing::Values(
        EditCase{"KeepsALfFileLineEnding", "[A]\nx=1\n", {{"B", "y", "2"}}, "[A]\nx=1\n\n[B]\ny=2\n"},
        EditCase{"KeepsACrLfFileLineEnding", "[A]\r\nx=1\r\n", {{"B", "y", "2"}}, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        EditCase{
            "FreshProfileUsesCrLf", nullptr, {{"A", "x", "1"}, {"B", "y", "2"}}, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        EditCase{"ChangesAValueInPlaceKeepingItsNeighbours",
                 "[A]\nunknown=u\nx=1\n; note\n[Other]\nk=v\n",
                 {{"a", "X", "42"}},
                 "[A]\nunknown=u\nx=42\n; note\n[Other]\nk=v\n"},
        EditCase{"NewKeyGoesIntoTheFirstOfDuplicatedSections",
                 "[A]\nx=1\n[A]\ny=2\n",
                 {{"A", "y", "5"}, {"A", "z", "6"}},
                 "[A]\nx=1\nz=6\n[A]\ny=5\n"},
        EditCase{"OnlyTheFirstOfDuplicatedKeysChanges", "[A]\nx=1\nx=2\n", {{"A", "x", "9"}}, "[A]\nx=9\nx=2\n"},
        EditCase{"FileWithoutFinalLineEndGetsOne", "[A]\nx=1", {{"A", "y", "2"}}, "[A]\nx=1\ny=2\n"},
        EditCase{"LineBreaksInAValueCannotSplitTheLine", nullptr, {{"A", "x", "1\r\n[B]\ny=2"}}, "[A]\r\nx=1\r\n"},
        EditCase{"CommentsBeforeTheFirstSectionStayFirst",
                 "# made by hand\n",
                 {{"A", "x", "1"}},
                 "# made by hand\n\n[A]\nx=1\n"}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

struct ParseCase
{
    const char* name;
    const char* text;
    std::optional<std::int32_t> expected;
};

class ParseProfileIntTest : public testing::TestWithParam<ParseCase>
{ };

TEST_P(ParseProfileIntTest, ReadsAsTheProfileRuleSays)
{
    EXPECT_EQ(ParseProfileInt(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParseProfileIntTest,
    testing::Values(
        ParseCase{"decimal", "100", 100}, ParseCase{"negative", "-250", -250}, ParseCase{"plus_sign", "+7", 7},
        ParseCase{"zero", "0", 0}, ParseCase{"hex_lower", "0x10", 16}, ParseCase{"hex_upper_prefix", "0X1f", 31},
        ParseCase{"hex_upper_digits", "0xFF00", 0xFF00}, ParseCase{"prefix_alone_is_not_hex", "0x", std::nullopt},
        ParseCase{"prefix_alone_upper", "0X", std::nullopt}, ParseCase{"hex_bad_digit", "0x1G", std::nullopt},
        ParseCase{"hex_twice_prefixed", "0x0x10", std::nullopt}, ParseCase{"hex_signed", "0x-1", std::nullopt},
        ParseCase{"hex_top_bit_is_pattern", "0xFFFFFFFF", -1},
        ParseCase{"hex_largest_positive", "0x7FFFFFFF", 2147483647}, ParseCase{"hex_leading_zeros", "0x000000010", 16},
        ParseCase{"hex_over_32_bits", "0x100000000", std::nullopt}, ParseCase{"int_max", "2147483647", 2147483647},
        ParseCase{"int_min", "-2147483648", -2147483647 - 1}, ParseCase{"above_int_max", "2147483648", std::nullopt},
        ParseCase{"below_int_min", "-2147483649", std::nullopt},
        ParseCase{"twenty_digits", "99999999999999999999", std::nullopt}, ParseCase{"empty", "", std::nullopt},
        ParseCase{"sign_alone", "-", std::nullopt}, ParseCase{"trailing_text", "12abc", std::nullopt},
        ParseCase{"word", "vrai", std::nullopt}, ParseCase{"decimal_point", "1.5", std::nullopt},
        ParseCase{"inner_blank", "1 2", std::nullopt}),
    [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(ParseProfileInt, EmbeddedNulIsNotANumber)
{
    EXPECT_EQ(ParseProfileInt(QByteArrayView("12\0"
                                             "3",
                                             4)),
              std::nullopt);
}

TEST(FormatProfileInt, WritesPlainDecimal)
{
    EXPECT_EQ(FormatProfileInt(1200000), "1200000");
    EXPECT_EQ(FormatProfileInt(-5), "-5");
    EXPECT_EQ(FormatProfileInt(-2147483647 - 1), "-2147483648");
}

} // namespace
