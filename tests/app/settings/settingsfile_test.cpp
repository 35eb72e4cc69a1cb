// Where the settings file lives, the fixed names of the store, and indexes
// read from the file brought into their lists.
#include "app/settings/appsettings.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

class ProgramDirTest : public testing::Test
{
protected:
    void TearDown() override { InitProgramDir(); }
    testing_support::TempDir dir;
};

TEST_F(ProgramDirTest, IsTheExecutableFolderWithoutTrailingSeparator)
{
    InitProgramDir();
    EXPECT_EQ(ProgramDir, QCoreApplication::applicationDirPath());
    EXPECT_FALSE(ProgramDir.endsWith('/'));
}

TEST_F(ProgramDirTest, SettingsFileLivesBesideTheExecutable)
{
    ProgramDir = dir.Path();
    EXPECT_EQ(SettingsFilePath(), dir.Path() + "/Kinea.ini");
}

TEST_F(ProgramDirTest, SettingsMoveToTheUserFolderWhenTheProgramFolderIsClosed)
{
    QStandardPaths::setTestModeEnabled(true);
    ProgramDir = dir.File("installed-elsewhere");
    EXPECT_EQ(SettingsFilePath(), UserSettingsFolder() + "/Kinea.ini");
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(ProgramDirTest, ReadOnlyProgramFolderWithoutAFileSendsSettingsToTheUserFolder)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Windows lets files be written into a folder marked read-only";
#endif
    ProgramDir = dir.Path();
    // Closed to the superuser too: the folder's mode says so.
    QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(SettingsFilePath(), UserSettingsFolder() + "/Kinea.ini");
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(ProgramDirTest, AnExistingFileBesideTheExecutableIsKept)
{
    ProgramDir = dir.Path();
    testing_support::WriteFile(dir.File("Kinea.ini"), "[General]\r\n");
    QFile::setPermissions(dir.Path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(SettingsFilePath(), dir.Path() + "/Kinea.ini");
}

// A copy installed by `cmake --install` or a package, with its marker.
class InstalledCopyTest : public ProgramDirTest
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        QDir(UserFolder()).removeRecursively();
        testing_support::WriteFile(dir.File(InstalledMarkerName), "copie installée\n");
        ProgramDir = dir.Path();
    }
    void TearDown() override
    {
        QDir(UserFolder()).removeRecursively();
        QStandardPaths::setTestModeEnabled(false);
        AppSettings = AppSettingsRecord{};
        ProgramDirTest::TearDown();
    }
    static QString UserFolder() { return UserSettingsFolder(); }
    static QString UserFile() { return UserFolder() + "/Kinea.ini"; }
};

TEST_F(InstalledCopyTest, WritesInTheUserFolderThoughItsOwnFolderIsWritable)
{
    ASSERT_TRUE(QFileInfo(dir.Path()).isWritable());
    const SettingsFiles files = LocateSettingsFiles(dir.Path());
    EXPECT_EQ(files.own, UserFile());
    EXPECT_TRUE(files.shared.isEmpty());
    AppSettings.Ips = 50;
    ASSERT_TRUE(SaveSettings().saved);
    EXPECT_TRUE(testing_support::ReadFile(UserFile()).contains("Ips=50\r\n"));
    EXPECT_FALSE(QFileInfo::exists(dir.File("Kinea.ini")));
}

TEST_F(InstalledCopyTest, AdministratorsFileIsReadItsKeysImposedAndNeverWritten)
{
    const QByteArray imposed = "[General]\r\nIps=50\r\n";
    testing_support::WriteFile(dir.File("Kinea.ini"), imposed);
    QDir().mkpath(UserFolder());
    testing_support::WriteFile(UserFile(), "[General]\r\nIps=200\r\nTipIndex=7\r\n");
    const SettingsFiles files = LocateSettingsFiles(dir.Path());
    EXPECT_EQ(files.shared, dir.File("Kinea.ini"));
    EXPECT_EQ(files.own, UserFile());
    LoadSettings();
    EXPECT_EQ(AppSettings.Ips, 50); // the administrator's
    EXPECT_EQ(AppSettings.TipIndex, 7); // the user's own
    AppSettings.TipIndex = 8;
    ASSERT_TRUE(SaveSettings().saved);
    EXPECT_EQ(testing_support::ReadFile(dir.File("Kinea.ini")), imposed);
    EXPECT_TRUE(testing_support::ReadFile(UserFile()).contains("TipIndex=8\r\n"));
}

TEST_F(ProgramDirTest, APipeNamedLikeTheFileSendsSettingsToTheUserFolder)
{
#ifdef Q_OS_UNIX
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.File("Kinea.ini")).constData(), 0644), 0);
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(LocateSettingsFiles(dir.Path()).own, UserSettingsFolder() + "/Kinea.ini");
    QStandardPaths::setTestModeEnabled(false);
#else
    GTEST_SKIP() << "no named pipes in the file system here";
#endif
}

TEST_F(ProgramDirTest, AFolderNamedLikeTheFileSendsSettingsToTheUserFolder)
{
    ASSERT_TRUE(QDir(dir.Path()).mkdir("Kinea.ini"));
    QStandardPaths::setTestModeEnabled(true);
    EXPECT_EQ(LocateSettingsFiles(dir.Path()).own, UserSettingsFolder() + "/Kinea.ini");
    QStandardPaths::setTestModeEnabled(false);
}

TEST(PlacementSection, NamesEachSlot)
{
    const char* expected[PlacementSlotCount]
        = {"MainF", "RoueF", "BalleF", "DisqueF", "ChuteF", "FreinageF", "PercutaF", "PoidsF", "ChampF"};
    for (int slot = 0; slot < PlacementSlotCount; ++slot)
        EXPECT_STREQ(PlacementSection(slot), expected[slot]) << slot;
    EXPECT_STREQ(PlacementSection(-1), "");
    EXPECT_STREQ(PlacementSection(PlacementSlotCount), "");
}

TEST(Captions, TitleBeginsEveryModuleCaption)
{
    EXPECT_EQ(ProgramTitle(), "Kinea");
    EXPECT_EQ(LauncherCaption(), " Kinea - La physique en mouvement");
    EXPECT_EQ(ModuleCaption(" Roue de bicyclette"), "Kinea -  Roue de bicyclette");
}

struct CycleCase
{
    const char* name;
    std::int64_t index;
    int count;
    int expected;
};

class CycleIndexTest : public ::testing::TestWithParam<CycleCase>
{ };

TEST_P(CycleIndexTest, BringsAnyIndexIntoTheList)
{
    EXPECT_EQ(CycleIndex(GetParam().index, GetParam().count), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Wraps, CycleIndexTest,
                         ::testing::Values(CycleCase{"inside", 5, 17, 5}, CycleCase{"pastTheEnd", 17, 17, 0},
                                           CycleCase{"beforeTheStart", -1, 17, 16}, CycleCase{"farPast", 40, 17, 6},
                                           CycleCase{"farBefore", -35, 17, 16},
                                           CycleCase{"largestStored", 2147483647, 27, 10},
                                           CycleCase{"smallestStored", -2147483648LL, 27, 16},
                                           CycleCase{"emptyList", 3, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
