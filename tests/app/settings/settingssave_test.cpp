// Saving the settings record: layout of a fresh file, what an existing file
// keeps, the failure rules, and the round trip of every field.
#include "settingstestsupport.h"

#include "app/settings/iniprofile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

namespace {

using R = AppSettingsRecord;

QStringList SectionsOf(const QByteArray& file)
{
    QStringList sections;
    for (const QByteArray& line : file.split('\n')) {
        if (line.startsWith('['))
            sections << QString::fromLatin1(line.trimmed());
    }
    return sections;
}

class SettingsSave : public SettingsTest
{ };

TEST_F(SettingsSave, FreshFileHasItsSectionsInTheDocumentedOrder)
{
    ASSERT_TRUE(Save(IniPath()));
    const QStringList expected{"[Access]",    "[MainF]",    "[RoueF]",    "[BalleF]", "[DisqueF]", "[ChuteF]",
                               "[FreinageF]", "[PoidsF]",   "[PercutaF]", "[ChampF]", "[General]", "[Couleurs]",
                               "[Modules]",   "[Freinage]", "[Percuta]",  "[Poids]",  "[Champ]"};
    EXPECT_EQ(SectionsOf(ReadIni()), expected);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsSave, FreshFileStartsWithAccessAndUsesCrLf)
{
    const QByteArray file = SavedIni();
    EXPECT_TRUE(file.startsWith("[Access]\r\nAllowed=1\r\n\r\n[MainF]\r\nX=1\r\nY=1\r\nW=700\r\nH=500\r\nMaxis=0\r\n"));
    EXPECT_EQ(file.count('\n'), file.count("\r\n"));
}

TEST_F(SettingsSave, DigitsColourJoinsGeneralAfterTheColours)
{
    const QByteArray file = SavedIni();
    EXPECT_TRUE(file.contains("InstanceFlag=1\r\nclDigits=65280\r\n\r\n[Couleurs]\r\nclFond=8421504\r\n"));
    EXPECT_TRUE(file.contains("clCadre=16777215\r\n\r\n[Modules]\r\n"));
    EXPECT_FALSE(file.contains("clCurseur"));
}

TEST_F(SettingsSave, UnknownSectionsKeysAndCommentsStayInPlace)
{
    LoadFrom("; réglages\r\n[Extra]\r\nfoo=bar\r\n\r\n[General]\r\nIps=50\r\nInconnu=7\r\n\r\n[Fin]\r\nz=1\r\n");
    AppSettings.Ips = 200;
    const QByteArray file = SavedIni();
    EXPECT_TRUE(
        file.startsWith("; réglages\r\n[Extra]\r\nfoo=bar\r\n\r\n[General]\r\nIps=200\r\nInconnu=7\r\nTipFlag=1\r\n"));
    EXPECT_TRUE(file.contains("\r\n[Fin]\r\nz=1\r\n\r\n[Access]\r\nAllowed=1\r\n"));
}

TEST_F(SettingsSave, KeysInAnotherCaseAreUpdatedNotRepeated)
{
    LoadFrom("[general]\r\nips=50\r\nTIPFLAG=0\r\n");
    EXPECT_EQ(AppSettings.Ips, 50);
    EXPECT_FALSE(AppSettings.TipFlag);
    AppSettings.Ips = 400;
    const QByteArray file = SavedIni();
    EXPECT_TRUE(file.startsWith("[general]\r\nips=400\r\nTIPFLAG=0\r\n"));
    EXPECT_EQ(file.toLower().count("ips="), 1);
    EXPECT_EQ(file.toLower().count("[general]"), 1);
}

TEST_F(SettingsSave, KeepsTheLineEndingsOfAnLfFile)
{
    WriteIni("[General]\nIps=50\n");
    ASSERT_TRUE(Save(IniPath()));
    EXPECT_FALSE(ReadIni().contains('\r'));
    EXPECT_TRUE(ReadIni().startsWith("[General]\nIps=100\nTipFlag=1\n"));
}

TEST_F(SettingsSave, ReadOnlyFileStaysByteForByteAndNothingIsShown)
{
    const QByteArray before = "[General]\r\nIps=50\r\n; à garder\r\n";
    WriteIni(before);
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QFile::setPermissions(IniPath(), readOnly);
    // Whoever runs it, the superuser included: the mode says read-only.
    EXPECT_FALSE(SettingsFileWritable(IniPath()));
    AppSettings.Ips = 400;
    EXPECT_FALSE(Save(IniPath()));
    EXPECT_EQ(ReadIni(), before);
    EXPECT_EQ(QFile::permissions(IniPath()) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), readOnly);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsSave, WriteFailingAfterTheCheckTellsThePath)
{
    SetSettingsWritableCheck([](const QString&) { return true; });
    const QString path = dir.File("absent/Kinea.ini");
    EXPECT_FALSE(Save(path));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.front(), QString::fromUtf8("Ne peut écrire dans ") + path);
}

TEST_F(SettingsSave, OversizedFileIsNeitherReadNorReplacedAndSaidOnceAtLoading)
{
    WriteIni("[General]\r\nIps=50\r\n");
    QFile file(IniPath());
    // A sparse file: large on paper, cheap on disk.
    ASSERT_TRUE(file.resize(IniProfile::MaxFileBytes + 1));
    const QString told = LoadSettings(IniPath()).message;
    EXPECT_EQ(AppSettings.Ips, 100);
    EXPECT_TRUE(told.contains(QString::fromUtf8("dépasse 64 Mo"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QDir::toNativeSeparators(IniPath()))) << told.toStdString();
    // The save does not pretend it could not write: it did not try.
    EXPECT_FALSE(Save(IniPath()));
    EXPECT_EQ(QFileInfo(IniPath()).size(), IniProfile::MaxFileBytes + 1);
    EXPECT_TRUE(ReadIni().startsWith("[General]\r\nIps=50\r\n"));
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

TEST_F(SettingsSave, ReplacedFileKeepsItsPermissions)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "a Windows file has no group or other permissions to keep";
#endif
    WriteIni("[General]\r\n");
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(IniPath(), permissions);
    ASSERT_TRUE(Save(IniPath()));
    const auto modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
                          | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(IniPath()) & modeBits, permissions);
}

TEST_F(SettingsSave, ReadOnlyFileIsReplacedByNothingEvenInAWritableFolder)
{
    WriteIni("[General]\r\nIps=50\r\n");
    QFile::setPermissions(IniPath(), QFile::ReadOwner);
    EXPECT_FALSE(SettingsFileWritable(IniPath()));
    EXPECT_FALSE(Save(IniPath()));
    EXPECT_EQ(ReadIni(), "[General]\r\nIps=50\r\n");
}

TEST(SettingsFileWritable, JudgesFilesAndFolders)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir.File("present.ini"), "x");
    EXPECT_TRUE(SettingsFileWritable(dir.File("present.ini")));
    EXPECT_TRUE(SettingsFileWritable(dir.File("new.ini")));
    EXPECT_FALSE(SettingsFileWritable(dir.File("absent/new.ini")));
    EXPECT_FALSE(SettingsFileWritable(dir.Path()));
}

// One row per field: a value other than the default, distinct from the
// others so that two fields sharing a key would show.
struct FieldRow
{
    const char* name;
    std::function<void(R&)> set;
    std::function<bool(const R&)> holds;
};

#define FIELD_ROW(field, value)                                                                                        \
    FieldRow                                                                                                           \
    {                                                                                                                  \
#field, [](R & r) { r.field = value; }, [](const R& r) { return r.field == value; }                            \
    }
#define PLACEMENT_ROWS(slot, base)                                                                                     \
    FIELD_ROW(Placements[slot].X, -(base)), FIELD_ROW(Placements[slot].Y, (base) + 1),                                 \
        FIELD_ROW(Placements[slot].W, (base) + 2), FIELD_ROW(Placements[slot].H, (base) + 3),                          \
        FIELD_ROW(Placements[slot].Maxis, true)

const std::vector<FieldRow>& FieldRows()
{
    static const std::vector<FieldRow> rows{
        PLACEMENT_ROWS(SlotMain, 10),
        PLACEMENT_ROWS(SlotRoue, 20),
        PLACEMENT_ROWS(SlotBalle, 30),
        PLACEMENT_ROWS(SlotDisque, 40),
        PLACEMENT_ROWS(SlotChute, 50),
        PLACEMENT_ROWS(SlotFreinage, 60),
        PLACEMENT_ROWS(SlotPercuta, 70),
        PLACEMENT_ROWS(SlotPoids, 80),
        PLACEMENT_ROWS(SlotChamp, 90),
        FIELD_ROW(TipFlag, false),
        FIELD_ROW(MotifFlag, false),
        FIELD_ROW(HintFlag, false),
        FIELD_ROW(TipIndex, 101),
        FIELD_ROW(Ips, 50),
        FIELD_ROW(SplasheFlag, false),
        FIELD_ROW(LockFlag, true),
        FIELD_ROW(Event_Index, 102),
        FIELD_ROW(CalcFlag, false),
        FIELD_ROW(InstanceFlag, false),
        FIELD_ROW(clDigits, 0x0000FFu),
        FIELD_ROW(clFond, 0x010203u),
        FIELD_ROW(clTraceA, 0x040506u),
        FIELD_ROW(clTraceB, 0x070809u),
        FIELD_ROW(clTraceC, 0x0A0B0Cu),
        FIELD_ROW(clObjet, 0x0D0E0Fu),
        FIELD_ROW(clContour, 0x101112u),
        FIELD_ROW(clTexte, 0x131415u),
        FIELD_ROW(clCadre, 0xFFFFFFFFu),
        FIELD_ROW(HauteurUm, 800000),
        FIELD_ROW(BoucleFlag, false),
        FIELD_ROW(VitesseCible1, 103),
        FIELD_ROW(VitesseCible2, 104),
        FIELD_ROW(TempsReac1, 300),
        FIELD_ROW(TempsReac2, 50),
        FIELD_ROW(CoeffRoute1, 55),
        FIELD_ROW(CoeffRoute2, 30),
        FIELD_ROW(PasAnim0, 6),
        FIELD_ROW(BasBrake1, true),
        FIELD_ROW(BasBrake2, true),
        FIELD_ROW(AnimPasFlag, false),
        FIELD_ROW(FreinageAllowFlag, false),
        FIELD_ROW(IndexTri, 105),
        FIELD_ROW(VmsFlag, false),
        FIELD_ROW(VkmhFlag, true),
        FIELD_ROW(VcarreFlag, false),
        FIELD_ROW(MasseFlag, true),
        FIELD_ROW(L0Flag, true),
        FIELD_ROW(LfFlag, true),
        FIELD_ROW(LEnfFlag, false),
        FIELD_ROW(LPliFlag, true),
        FIELD_ROW(OrgueAllowFlag, false),
        FIELD_ROW(TubeLabFlag, false),
        FIELD_ROW(OrgueRandomFlag, true),
        FIELD_ROW(LCDCoulFlag, false),
        FIELD_ROW(PoidsRandomFlag, true),
        FIELD_ROW(ChampAllowFlag, false),
        FIELD_ROW(FlouFlag, false),
    };
    return rows;
}

TEST_F(SettingsSave, EveryFieldRoundTripsThroughTheFile)
{
    for (const FieldRow& row : FieldRows())
        row.set(AppSettings);
    ASSERT_TRUE(Save(IniPath()));
    AppSettings = AppSettingsRecord{};
    LoadSettings(IniPath());
    for (const FieldRow& row : FieldRows())
        EXPECT_TRUE(row.holds(AppSettings)) << row.name;
}

TEST_F(SettingsSave, EveryFieldDiffersFromItsDefaultInTheTable)
{
    // Guards the table above: a row equal to the default proves nothing.
    const AppSettingsRecord defaults;
    for (const FieldRow& row : FieldRows())
        EXPECT_FALSE(row.holds(defaults)) << row.name;
}

} // namespace
