// The calculator on any desktop: one running is brought forward, else the
// first found is started; what each desktop offers is in
// calculatorlinux.cpp and calculatorwindows.cpp.
#include "platform/calculator.h"
#include "platform/calculatordesktop.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace {

RunningProgram g_startedCalculator;

void SayNoCalculator(const QString& text)
{
    QMessageBox::information(nullptr, QStringLiteral("Calculatrice"), text);
}

} // namespace

RunningProgram StartedCalculator()
{
    return g_startedCalculator;
}

QString FindCalculator()
{
    for (const QString& name : CalculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void OpenCalculator()
{
    if (BringProgramForward(RunningCalculator()))
        return;
    const QString program = FindCalculator();
    if (program.isEmpty()) {
        SayNoCalculator(MissingCalculatorText());
        return;
    }
    // Detached: the calculator lives on when the program ends.
    qint64 pid = 0;
    if (!QProcess::startDetached(program, {}, QString(), &pid)) {
        SayNoCalculator(
            QStringLiteral("La calculatrice « %1 » n'a pas pu être lancée.").arg(QFileInfo(program).fileName()));
        return;
    }
    g_startedCalculator = {pid, QFileInfo(program).completeBaseName()};
}
