// The single-copy rule, checked with real processes.
#include "app/startup.h"
#include "platform/desktop.h"
#include "testhelpers.h"

#include <QProcess>
#include <gtest/gtest.h>

using testing_support::TempDir;
using testing_support::WriteFile;

namespace {

QString RunCheck(const QString& lock, const QString& ini)
{
    QProcess probe;
    probe.start(KINEA_INSTANCE_PROBE, {"check", lock, ini});
    probe.waitForFinished(30000);
    return QString::fromLatin1(probe.readAllStandardOutput()).trimmed();
}

} // namespace

TEST(SingleCopy, SecondCopyRefusedOnlyWhenSettingsAskForOneCopy)
{
    TempDir dir;
    const QString lock = dir.File("kinea.lock");
    SingleInstance first(lock);
    ASSERT_TRUE(first.TryAcquire());

    WriteFile(dir.File("one.ini"), "[General]\r\nInstanceFlag=1\r\n");
    WriteFile(dir.File("many.ini"), "[General]\r\nInstanceFlag=0\r\n");
    WriteFile(dir.File("default.ini"), "");

    EXPECT_EQ(RunCheck(lock, dir.File("one.ini")), "refused");
    EXPECT_EQ(RunCheck(lock, dir.File("default.ini")), "refused");
    EXPECT_EQ(RunCheck(lock, dir.File("many.ini")), "allowed");
}

TEST(SingleCopy, AloneCopyAllowed)
{
    TempDir dir;
    WriteFile(dir.File("one.ini"), "[General]\r\nInstanceFlag=1\r\n");
    EXPECT_EQ(RunCheck(dir.File("kinea.lock"), dir.File("one.ini")), "allowed");
}

TEST(SingleCopy, LockOfAKilledCopyIsTakenOver)
{
    TempDir dir;
    const QString lock = dir.File("kinea.lock");
    QProcess holder;
    holder.start(KINEA_INSTANCE_PROBE, {"hold", lock});
    ASSERT_TRUE(holder.waitForReadyRead(30000));
    ASSERT_EQ(QString::fromLatin1(holder.readAllStandardOutput()).trimmed(), "held");

    SingleInstance whileAlive(lock);
    EXPECT_FALSE(whileAlive.TryAcquire());

    holder.kill();
    holder.waitForFinished(30000);
    SingleInstance afterCrash(lock);
    EXPECT_TRUE(afterCrash.TryAcquire());
}

TEST(SingleCopy, WarningTextHasItsThreeLines)
{
    const QStringList lines = SecondCopyMessage().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QString::fromUtf8("Attention, Kinea est déjà en cours d'exécution."));
    EXPECT_EQ(lines[1], QString::fromUtf8("Modifiez les préférences ( Menu \"Préférences | Générales\" )"));
    EXPECT_EQ(lines[2], QString::fromUtf8("pour autoriser plus d'une instance du logiciel."));
}
