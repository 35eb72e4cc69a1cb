// The calculator on a Linux desktop: the first of the usual desktop
// calculators found on PATH; one running is found in /proc and brought
// forward through xdotool.
#include "platform/calculator.h"
#include "platform/calculatordesktop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <unistd.h>

namespace {

// Long enough for xdotool to answer, short enough not to hold the window.
constexpr int kHelperWaitMs = 2000;
// The kernel keeps the first 15 characters of a process name.
constexpr int kProcessNameLength = 15;

struct ProcessState
{
    QString name;
    bool alive = false;
};

// Name and liveness of a process of this user, from /proc/<pid>/stat.
ProcessState ReadProcess(qint64 pid)
{
    const QString dir = QStringLiteral("/proc/") + QString::number(pid);
    if (QFileInfo(dir).ownerId() != ::getuid())
        return {};
    QFile stat(dir + QStringLiteral("/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    // "pid (name) state ...": the name may itself hold spaces and brackets.
    const QByteArray line = stat.readAll();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    if (open < 0 || close < open || close + 2 >= line.size())
        return {};
    const char state = line.at(close + 2);
    return {QString::fromLocal8Bit(line.mid(open + 1, close - open - 1)), state != 'Z' && state != 'X'};
}

// The candidate the process runs, or "".
QString CalculatorName(const ProcessState& process)
{
    if (!process.alive)
        return {};
    for (const QString& name : CalculatorCandidates())
        if (process.name == name.left(kProcessNameLength))
            return name;
    return {};
}

// Runs xdotool with these arguments and waits a bounded time for it.
bool RunXdotool(const QString& xdotool, const QStringList& arguments)
{
    QProcess helper;
    helper.start(xdotool, arguments);
    if (!helper.waitForFinished(kHelperWaitMs)) {
        helper.kill();
        helper.waitForFinished(kHelperWaitMs);
        return false;
    }
    return helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0;
}

} // namespace

QStringList CalculatorCandidates()
{
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
}

QString MissingCalculatorText()
{
    return QStringLiteral("Aucune calculatrice n'est installée sur cet ordinateur.\n"
                          "Installez par exemple « gnome-calculator » ou « galculator ».");
}

RunningProgram RunningCalculator()
{
    const RunningProgram started = StartedCalculator();
    if (started.pid && !CalculatorName(ReadProcess(started.pid)).isEmpty())
        return started;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        const QString name = CalculatorName(ReadProcess(pid));
        if (!name.isEmpty())
            return {pid, name};
    }
    return {};
}

bool BringProgramForward(const RunningProgram& program)
{
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty() || program.pid <= 0)
        return false;
    const QStringList searches[] = {
        {QStringLiteral("--pid"), QString::number(program.pid)},
        {QStringLiteral("--classname"), QLatin1Char('^') + QRegularExpression::escape(program.name) + QLatin1Char('$')},
    };
    for (const QStringList& search : searches) {
        const QStringList found = QStringList{QStringLiteral("search"), QStringLiteral("--onlyvisible")} + search;
        // Activating needs a window manager that allows it; raising does not.
        if (RunXdotool(xdotool, found + QStringList{QStringLiteral("windowactivate")})
            || RunXdotool(xdotool, found + QStringList{QStringLiteral("windowraise")}))
            return true;
    }
    return false;
}
