// Loading the settings record: defaults, how numbers are spelled, and
// files of any content.
#include "settingstestsupport.h"

#include <QFile>
#include <QRegularExpression>

namespace {

using testing_support::ReadFile;

class SettingsLoad : public SettingsTest
{ };

TEST_F(SettingsLoad, FirstRunWithoutAFileGivesTheDefaults)
{
    AppSettings.Ips = 7;
    AppSettings.TipFlag = false;
    AppSettings.Placements[SlotChamp].Maxis = true;
    LoadSettings(dir.File("absent.ini"));
    for (int slot = 0; slot < PlacementSlotCount; ++slot) {
        const WindowPlacement& p = AppSettings.Placements[size_t(slot)];
        EXPECT_EQ(p.X, 1) << PlacementSection(slot);
        EXPECT_EQ(p.Y, 1) << PlacementSection(slot);
        EXPECT_EQ(p.W, 700) << PlacementSection(slot);
        EXPECT_EQ(p.H, 500) << PlacementSection(slot);
        EXPECT_FALSE(p.Maxis) << PlacementSection(slot);
    }
    EXPECT_TRUE(AppSettings.TipFlag);
    EXPECT_TRUE(AppSettings.SplasheFlag);
    EXPECT_EQ(AppSettings.Ips, 100);
}

TEST_F(SettingsLoad, EveryFieldIsOverwrittenByTheFileOrItsDefault)
{
    AppSettingsRecord scrambled;
    scrambled.HauteurUm = 5;
    scrambled.clCadre = 0x123456;
    scrambled.FlouFlag = false;
    scrambled.Placements[SlotPoids].W = 9;
    AppSettings = scrambled;
    LoadFrom("[Unrelated]\r\nk=v\r\n");
    EXPECT_EQ(SavedBytes(AppSettings), SavedBytes(AppSettingsRecord{}));
}

struct IntCase
{
    const char* name;
    const char* line;
    std::int32_t ips;
};

class SettingsIntegerText : public SettingsTest, public testing::WithParamInterface<IntCase>
{ };

TEST_P(SettingsIntegerText, ReadsIpsAsTheFileSpellsIt)
{
    LoadFrom(QByteArray("[General]\r\n") + GetParam().line + "\r\n");
    EXPECT_EQ(AppSettings.Ips, GetParam().ips);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsIntegerText,
    testing::Values(IntCase{"decimal", "Ips=50", 50}, IntCase{"hex", "Ips=0x10", 16},
                    IntCase{"hex_upper_prefix", "Ips=0X1f", 31}, IntCase{"prefix_alone_falls_back", "Ips=0x", 100},
                    IntCase{"empty_falls_back", "Ips=", 100}, IntCase{"word_falls_back", "Ips=rapide", 100},
                    IntCase{"too_big_falls_back", "Ips=99999999999999999999", 100},
                    IntCase{"too_small_falls_back", "Ips=-2147483649", 100}, IntCase{"negative", "Ips=-3", -3},
                    IntCase{"key_in_other_case", "iPS=400", 400}),
    [](const testing::TestParamInfo<IntCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsLoad, AnyNonZeroBooleanIsTrueAndIsWrittenBackAsOne)
{
    LoadFrom("[General]\r\nTipFlag=2\r\nHintFlag=-1\r\nMotifFlag=0\r\nSplasheFlag=non\r\n");
    EXPECT_TRUE(AppSettings.TipFlag);
    EXPECT_TRUE(AppSettings.HintFlag);
    EXPECT_FALSE(AppSettings.MotifFlag);
    EXPECT_TRUE(AppSettings.SplasheFlag); // not a number: default
    const QByteArray saved = SavedIni();
    for (const char* line : {"TipFlag=1\r\n", "HintFlag=1\r\n", "SplasheFlag=1\r\n"})
        EXPECT_TRUE(saved.contains(line)) << line;
}

TEST_F(SettingsLoad, ColourAbove7FFFFFFFKeepsItsBitPattern)
{
    LoadFrom("[Couleurs]\r\nclFond=0xFFFFFFFF\r\nclTexte=0x00FF8040\r\n");
    EXPECT_EQ(AppSettings.clFond, 0xFFFFFFFFu);
    EXPECT_EQ(AppSettings.clTexte, 0xFF8040u);
    ASSERT_TRUE(Save(IniPath()));
    EXPECT_TRUE(ReadIni().contains("clFond=-1\r\n"));
    EXPECT_TRUE(ReadIni().contains("clTexte=16744512\r\n"));
    LoadSettings(IniPath());
    EXPECT_EQ(AppSettings.clFond, 0xFFFFFFFFu);
}

TEST_F(SettingsLoad, HandWrittenCursorColourIsHonouredAndLeftAsItWas)
{
    LoadFrom("[Couleurs]\r\nclCurseur = 0xFF00FF ; magenta\r\n");
    EXPECT_EQ(AppSettings.clCurseur, 0x00FFFFu); // trailing comment: not a number

    LoadFrom("[Couleurs]\r\nclCurseur = 0xFF00FF\r\n");
    EXPECT_EQ(AppSettings.clCurseur, 0xFF00FFu);
    AppSettings.clCurseur = 0x123456;
    ASSERT_TRUE(Save(IniPath()));
    EXPECT_TRUE(ReadIni().startsWith("[Couleurs]\r\nclCurseur = 0xFF00FF\r\nclFond="));
    EXPECT_EQ(ReadIni().count("clCurseur"), 1);
}

TEST_F(SettingsLoad, GarbageFilesLoadWithDefaultsWhereNoNumberStands)
{
    struct Row
    {
        const char* name;
        QByteArray bytes;
        std::int32_t ips;
    };
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) % 256);
    const Row rows[] = {
        {"text garbage", "=\r\n[[[\r\n]]]\r\n==Ips==\r\n[General\r\nIps\r\n= 5\r\nTipIndex=9x\r\n", 100},
        {"binary", binary, 100},
        {"nul bytes", QByteArray("[General]") + '\0' + "\r\nIps=" + '\0' + "5\r\nTipIndex=\r\n", 100},
        {"duplicates", "[General]\r\nIps=50\r\nIps=200\r\n[general]\r\nIps=400\r\n", 50},
        {"huge numbers", "[General]\r\nIps=99999999999999999999\r\nTipIndex=-2147483649\r\n", 100},
        {"long line", "[General]\r\nIps=" + QByteArray(200000, '9') + "\r\n", 100},
        {"lone carriage returns", "[General]\rIps=50\r\r\n", 100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        AppSettings = AppSettingsRecord{};
        AppSettings.Ips = 1;
        LoadFrom(row.bytes);
        EXPECT_EQ(AppSettings.Ips, row.ips);
        EXPECT_EQ(AppSettings.TipIndex, 0);
        EXPECT_TRUE(Save(IniPath()));
    }
}

TEST_F(SettingsLoad, TenMegabyteFileLoadsAndSaves)
{
    const QByteArray filler = "; ligne de remplissage sans valeur, juste du texte\r\n";
    QByteArray bytes;
    bytes.reserve(10 * 1024 * 1024 + 100);
    bytes += "[Couleurs]\r\n";
    while (bytes.size() < 10 * 1024 * 1024)
        bytes += filler;
    bytes += "[General]\r\nIps=50\r\n";
    LoadFrom(bytes);
    EXPECT_EQ(AppSettings.Ips, 50);
    EXPECT_EQ(AppSettings.clFond, 0x808080u);
    ASSERT_TRUE(Save(IniPath()));
    EXPECT_GT(ReadIni().size(), bytes.size());
    EXPECT_TRUE(ReadIni().startsWith("[Couleurs]\r\n" + filler));
}

} // namespace
