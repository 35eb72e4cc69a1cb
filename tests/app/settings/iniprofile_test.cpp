// The INI profile: sections and keys found without regard to case, the rest
// of the file kept as it was; and how integers and colours are spelled.
#include "app/settings/iniprofile.h"

#include <gtest/gtest.h>

namespace {

QByteArray valueOr(const IniProfile& profile, const char* section, const char* key)
{
    return profile.value(section, key).value_or("<missing>");
}

TEST(IniProfileLookup, SectionsAndKeysIgnoreCase)
{
    const auto profile = IniProfile::fromBytes("[general]\r\nTIPFLAG=0\r\n");
    EXPECT_EQ(valueOr(profile, "General", "TipFlag"), "0");
    EXPECT_EQ(valueOr(profile, "GENERAL", "tipflag"), "0");
}

TEST(IniProfileLookup, ReadsLfAndCrLfFiles)
{
    for (const QByteArray& ending : {QByteArray("\n"), QByteArray("\r\n")}) {
        const auto profile = IniProfile::fromBytes("[A]" + ending + "x=1" + ending + "y=2" + ending);
        EXPECT_EQ(valueOr(profile, "A", "x"), "1") << ending.toHex().constData();
        EXPECT_EQ(valueOr(profile, "A", "y"), "2") << ending.toHex().constData();
    }
}

TEST(IniProfileLookup, BlanksAroundNamesAndValuesAreIgnored)
{
    const auto profile = IniProfile::fromBytes("  [ A ]  \n\t x \t=  12 \t\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), "12");
}

TEST(IniProfileLookup, EnclosingQuotesAreRemoved)
{
    const auto profile = IniProfile::fromBytes("[A]\nx=\"5\"\ny='6'\nz=\"7\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), "5");
    EXPECT_EQ(valueOr(profile, "A", "y"), "6");
    EXPECT_EQ(valueOr(profile, "A", "z"), "\"7");
}

TEST(IniProfileLookup, FirstOfDuplicatedKeysAndSectionsWins)
{
    const auto profile = IniProfile::fromBytes("[A]\nx=1\nX=2\n[B]\nz=0\n[a]\nx=3\ny=4\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), "1");
    // A key found only in the repeated section is still found there.
    EXPECT_EQ(valueOr(profile, "A", "y"), "4");
}

TEST(IniProfileLookup, KeysBeforeAnySectionOrInOtherSectionsDoNotMatch)
{
    const auto profile = IniProfile::fromBytes("x=1\n[B]\nx=2\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), "<missing>");
    EXPECT_EQ(valueOr(profile, "B", "y"), "<missing>");
}

TEST(IniProfileLookup, EmptyValueIsPresentButEmpty)
{
    const auto profile = IniProfile::fromBytes("[A]\nx=\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), "");
}

TEST(IniProfileLookup, LongValuesAreCutTo1023Characters)
{
    const QByteArray longValue(5000, '7');
    const auto profile = IniProfile::fromBytes("[A]\nx=" + longValue + "\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), QByteArray(IniProfile::MaxValueLength, '7'));
}

TEST(IniProfileLookup, SectionWithoutClosingBracketStillOpens)
{
    const auto profile = IniProfile::fromBytes("[A\nx=1\n");
    EXPECT_EQ(valueOr(profile, "A", "x"), "1");
}

TEST(IniProfileLookup, BinaryBytesAndNulDoNotDisturbOtherLines)
{
    static const char garbage[] = "\x00\xff\xfe[\x01\x02=\x00\r\r\n";
    QByteArray bytes(garbage, sizeof garbage - 1);
    bytes += "[A]\nx=3\n";
    bytes += QByteArray("\x00=\x00\n", 4);
    const auto profile = IniProfile::fromBytes(bytes);
    EXPECT_EQ(valueOr(profile, "A", "x"), "3");
    EXPECT_EQ(profile.toBytes(), IniProfile::fromBytes(profile.toBytes()).toBytes());
}

TEST(IniProfileWrite, UntouchedFileIsWrittenBackAsItWas)
{
    const QByteArray file = "; comment\r\n\r\n[A]\r\nx=1\r\ngarbage line\r\n\r\n[B]\r\ny = 2\r\n";
    EXPECT_EQ(IniProfile::fromBytes(file).toBytes(), file);
}

TEST(IniProfileWrite, KeepsTheFileLineEnding)
{
    auto lf = IniProfile::fromBytes("[A]\nx=1\n");
    lf.setValue("B", "y", "2");
    EXPECT_EQ(lf.toBytes(), "[A]\nx=1\n\n[B]\ny=2\n");

    auto crlf = IniProfile::fromBytes("[A]\r\nx=1\r\n");
    crlf.setValue("B", "y", "2");
    EXPECT_EQ(crlf.toBytes(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
}

TEST(IniProfileWrite, CarriageReturnsEndingALineGoWithItsLineEnd)
{
    const QByteArray written = IniProfile::fromBytes("[A]\nx=1\r\r\ny=2\n").toBytes();
    EXPECT_EQ(written, "[A]\nx=1\ny=2\n");
    EXPECT_EQ(IniProfile::fromBytes(written).toBytes(), written);
}

TEST(IniProfileWrite, FreshProfileUsesCrLf)
{
    IniProfile profile;
    profile.setValue("A", "x", "1");
    profile.setValue("B", "y", "2");
    EXPECT_EQ(profile.toBytes(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
}

TEST(IniProfileWrite, ChangesAValueInPlaceKeepingItsNeighbours)
{
    auto profile = IniProfile::fromBytes("[A]\nunknown=u\nx=1\n; note\n[Other]\nk=v\n");
    profile.setValue("a", "X", "42");
    EXPECT_EQ(profile.toBytes(), "[A]\nunknown=u\nx=42\n; note\n[Other]\nk=v\n");
}

TEST(IniProfileWrite, NewKeyGoesAtTheEndOfItsSectionBeforeBlankLines)
{
    auto profile = IniProfile::fromBytes("[A]\nx=1\n\n\n[B]\ny=2\n");
    profile.setValue("A", "z", "3");
    EXPECT_EQ(profile.toBytes(), "[A]\nx=1\nz=3\n\n\n[B]\ny=2\n");
    EXPECT_EQ(valueOr(profile, "A", "z"), "3");
    EXPECT_EQ(valueOr(profile, "A", "x"), "1");
}

TEST(IniProfileWrite, NewKeyGoesIntoTheFirstOfDuplicatedSections)
{
    auto profile = IniProfile::fromBytes("[A]\nx=1\n[A]\ny=2\n");
    profile.setValue("A", "y", "5");
    profile.setValue("A", "z", "6");
    EXPECT_EQ(profile.toBytes(), "[A]\nx=1\nz=6\n[A]\ny=5\n");
}

TEST(IniProfileWrite, OnlyTheFirstOfDuplicatedKeysChanges)
{
    auto profile = IniProfile::fromBytes("[A]\nx=1\nx=2\n");
    profile.setValue("A", "x", "9");
    EXPECT_EQ(profile.toBytes(), "[A]\nx=9\nx=2\n");
}

TEST(IniProfileWrite, FileWithoutFinalLineEndGetsOne)
{
    auto profile = IniProfile::fromBytes("[A]\nx=1");
    profile.setValue("A", "y", "2");
    EXPECT_EQ(profile.toBytes(), "[A]\nx=1\ny=2\n");
}

TEST(IniProfileWrite, LineBreaksInAValueCannotSplitTheLine)
{
    IniProfile profile;
    profile.setValue("A", "x", "1\r\n[B]\ny=2");
    EXPECT_EQ(profile.toBytes(), "[A]\r\nx=1\r\n");
}

TEST(IniProfileWrite, CommentsBeforeTheFirstSectionStayFirst)
{
    auto profile = IniProfile::fromBytes("# made by hand\n");
    profile.setValue("A", "x", "1");
    EXPECT_EQ(profile.toBytes(), "# made by hand\n\n[A]\nx=1\n");
}

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
