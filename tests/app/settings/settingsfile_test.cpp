// Where the settings file lives, the fixed names of the store, and indexes
// read from the file brought into their lists.
#include "app/settings/appsettings.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

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
    ProgramDir = dir.path();
    EXPECT_EQ(SettingsFilePath(), dir.path() + "/Kinea.ini");
}

TEST_F(ProgramDirTest, SettingsMoveToTheUserFolderWhenTheProgramFolderIsClosed)
{
    QStandardPaths::setTestModeEnabled(true);
    ProgramDir = dir.file("installed-elsewhere");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    EXPECT_EQ(SettingsFilePath(), config + "/Kinea.ini");
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(ProgramDirTest, ReadOnlyProgramFolderWithoutAFileSendsSettingsToTheUserFolder)
{
    ProgramDir = dir.path();
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(dir.path()).isWritable())
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    QStandardPaths::setTestModeEnabled(true);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    EXPECT_EQ(SettingsFilePath(), config + "/Kinea.ini");
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(ProgramDirTest, AnExistingFileBesideTheExecutableIsKept)
{
    ProgramDir = dir.path();
    testing_support::writeFile(dir.file("Kinea.ini"), "[General]\r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(SettingsFilePath(), dir.path() + "/Kinea.ini");
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
