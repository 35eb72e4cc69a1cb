// The calculator with stand-in programs on PATH: started detached, brought
// forward when running and the desktop allows it, started again when it
// does not, and said missing in French.
#include "modalcloser.h"
#include "platform/calculator.h"
#include "testhelpers.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

using testing_support::TempDir;

namespace {

// A folder that stands for PATH while the test runs.
class CalculatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_path = qgetenv("PATH");
        qputenv("PATH", bin.Path().toLocal8Bit());
    }
    void TearDown() override
    {
        // The stand-in calculators end once this file exists.
        testing_support::WriteFile(bin.File("stop"), "");
        QDeadlineTimer deadline(5000);
        while (RunningCalculator().pid != 0 && !deadline.hasExpired())
            QThread::msleep(20);
        qputenv("PATH", m_path);
    }

    void Install(const QString& name, const QByteArray& script)
    {
        const QString path = bin.File(name);
        testing_support::WriteFile(path, "#!/bin/sh\n" + script);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A calculator that notes its process and parent, then waits for "stop".
    void InstallCalculator()
    {
        Install("xcalc", "PATH=/usr/bin:/bin\necho \"$$ $PPID\" >> '" + bin.File("started").toLocal8Bit()
                             + "'\nwhile [ ! -e '" + bin.File("stop").toLocal8Bit() + "' ]; do sleep 0.05; done\n");
    }

    // xdotool that notes its arguments and ends with this shell command.
    void InstallXdotool(const QByteArray& answer)
    {
        Install("xdotool", "echo \"$@\" >> '" + bin.File("xdotool.log").toLocal8Bit() + "'\n" + answer + "\n");
    }

    QList<qint64> StartedPids() const
    {
        QList<qint64> pids;
        for (const QByteArray& line : testing_support::ReadFile(bin.File("started")).split('\n'))
            if (!line.isEmpty())
                pids << line.split(' ').first().toLongLong();
        return pids;
    }

    // Waits, at most five seconds, for the n-th calculator to note itself.
    bool WaitForStarts(int n) const
    {
        QDeadlineTimer deadline(5000);
        while (StartedPids().size() < n && !deadline.hasExpired())
            QThread::msleep(20);
        return StartedPids().size() >= n;
    }

    TempDir bin;

private:
    QByteArray m_path;
};

// The texts of the message boxes OpenCalculator shows (each closed at once).
QStringList MessagesOfOpenCalculator()
{
    ModalCloser closer;
    OpenCalculator();
    return closer.seen;
}

} // namespace

TEST_F(CalculatorTest, TheFirstCandidateOnThePathIsTaken)
{
    EXPECT_EQ(CalculatorCandidates().first(), QStringLiteral("gnome-calculator"));
    Install("xcalc", "exit 0\n");
    Install("galculator", "exit 0\n");
    EXPECT_EQ(FindCalculator(), bin.File("galculator"));
}

TEST_F(CalculatorTest, StartsDetachedSoThatItOutlivesTheProgram)
{
    InstallCalculator();
    EXPECT_EQ(MessagesOfOpenCalculator(), QStringList());
    ASSERT_TRUE(WaitForStarts(1));
    const QList<QByteArray> noted = testing_support::ReadFile(bin.File("started")).trimmed().split(' ');
    ASSERT_EQ(noted.size(), 2);
    // Its parent is not this program, which may end without taking it along.
    EXPECT_NE(noted[1].toLongLong(), QCoreApplication::applicationPid());
    EXPECT_EQ(RunningCalculator().pid, noted[0].toLongLong());
    EXPECT_EQ(RunningCalculator().name, QStringLiteral("xcalc"));
}

TEST_F(CalculatorTest, RunningOneIsBroughtForwardRatherThanStartedAgain)
{
    const struct
    {
        const char* name;
        QByteArray answer;
        QByteArray calls; // "%1" stands for the calculator's process id
    } rows[] = {
        {"by its process id", "exit 0", "search --onlyvisible --pid %1 windowactivate\n"},
        {"raised where it cannot be activated", "[ \"$5\" = windowraise ]",
         "search --onlyvisible --pid %1 windowactivate\nsearch --onlyvisible --pid %1 windowraise\n"},
        {"by its window class, when it gives no process id", "[ \"$3\" = --classname ]",
         "search --onlyvisible --pid %1 windowactivate\nsearch --onlyvisible --pid %1 windowraise\n"
         "search --onlyvisible --classname ^xcalc$ windowactivate\n"},
    };
    InstallCalculator();
    OpenCalculator();
    ASSERT_TRUE(WaitForStarts(1));
    const QByteArray pid = QByteArray::number(StartedPids().first());
    for (const auto& row : rows) {
        QFile::remove(bin.File("xdotool.log"));
        InstallXdotool(row.answer);
        OpenCalculator();
        EXPECT_EQ(testing_support::ReadFile(bin.File("xdotool.log")), QByteArray(row.calls).replace("%1", pid))
            << row.name;
    }
    QThread::msleep(200);
    EXPECT_EQ(StartedPids().size(), 1);
}

TEST_F(CalculatorTest, AnotherStartsWhenTheDesktopCannotBringItForward)
{
    const struct
    {
        const char* name;
        bool withXdotool;
    } rows[] = {{"without xdotool", false}, {"xdotool finds no window", true}};
    int started = 0;
    for (const auto& row : rows) {
        InstallCalculator();
        if (row.withXdotool)
            InstallXdotool("exit 1");
        OpenCalculator();
        ASSERT_TRUE(WaitForStarts(++started)) << row.name;
        OpenCalculator();
        EXPECT_TRUE(WaitForStarts(++started)) << row.name;
    }
}

TEST_F(CalculatorTest, NoneInstalledIsSaidInFrench)
{
    EXPECT_EQ(MessagesOfOpenCalculator(),
              QStringList{QString::fromUtf8("Aucune calculatrice n'est installée sur cet ordinateur.\n"
                                            "Installez par exemple « gnome-calculator » ou « galculator ».")});
}
