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
        qputenv("PATH", bin.path().toLocal8Bit());
    }
    void TearDown() override
    {
        // The stand-in calculators end once this file exists.
        testing_support::writeFile(bin.file("stop"), "");
        QDeadlineTimer deadline(5000);
        while (RunningCalculator().pid != 0 && !deadline.hasExpired())
            QThread::msleep(20);
        qputenv("PATH", m_path);
    }

    void install(const QString& name, const QByteArray& script)
    {
        const QString path = bin.file(name);
        testing_support::writeFile(path, "#!/bin/sh\n" + script);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A calculator that notes its process and parent, then waits for "stop".
    void installCalculator()
    {
        install("xcalc", "PATH=/usr/bin:/bin\necho \"$$ $PPID\" >> '" + bin.file("started").toLocal8Bit()
                             + "'\nwhile [ ! -e '" + bin.file("stop").toLocal8Bit() + "' ]; do sleep 0.05; done\n");
    }

    // xdotool that notes its arguments and ends with this shell command.
    void installXdotool(const QByteArray& answer)
    {
        install("xdotool", "echo \"$@\" >> '" + bin.file("xdotool.log").toLocal8Bit() + "'\n" + answer + "\n");
    }

    QList<qint64> startedPids() const
    {
        QList<qint64> pids;
        for (const QByteArray& line : testing_support::readFile(bin.file("started")).split('\n'))
            if (!line.isEmpty())
                pids << line.split(' ').first().toLongLong();
        return pids;
    }

    // Waits, at most five seconds, for the n-th calculator to note itself.
    bool waitForStarts(int n) const
    {
        QDeadlineTimer deadline(5000);
        while (startedPids().size() < n && !deadline.hasExpired())
            QThread::msleep(20);
        return startedPids().size() >= n;
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
    install("xcalc", "exit 0\n");
    install("galculator", "exit 0\n");
    EXPECT_EQ(FindCalculator(), bin.file("galculator"));
}

TEST_F(CalculatorTest, StartsDetachedSoThatItOutlivesTheProgram)
{
    installCalculator();
    EXPECT_EQ(MessagesOfOpenCalculator(), QStringList());
    ASSERT_TRUE(waitForStarts(1));
    const QList<QByteArray> noted = testing_support::readFile(bin.file("started")).trimmed().split(' ');
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
    installCalculator();
    OpenCalculator();
    ASSERT_TRUE(waitForStarts(1));
    const QByteArray pid = QByteArray::number(startedPids().first());
    for (const auto& row : rows) {
        QFile::remove(bin.file("xdotool.log"));
        installXdotool(row.answer);
        OpenCalculator();
        EXPECT_EQ(testing_support::readFile(bin.file("xdotool.log")), QByteArray(row.calls).replace("%1", pid))
            << row.name;
    }
    QThread::msleep(200);
    EXPECT_EQ(startedPids().size(), 1);
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
        installCalculator();
        if (row.withXdotool)
            installXdotool("exit 1");
        OpenCalculator();
        ASSERT_TRUE(waitForStarts(++started)) << row.name;
        OpenCalculator();
        EXPECT_TRUE(waitForStarts(++started)) << row.name;
    }
}

TEST_F(CalculatorTest, NoneInstalledIsSaidInFrench)
{
    EXPECT_EQ(MessagesOfOpenCalculator(),
              QStringList{QString::fromUtf8("Aucune calculatrice n'est installée sur cet ordinateur.\n"
                                            "Installez par exemple « gnome-calculator » ou « galculator ».")});
}
