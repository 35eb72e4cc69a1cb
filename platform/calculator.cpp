#include "platform/calculator.h"

#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace {

QPointer<QProcess> g_calculator;

} // namespace

QStringList CalculatorCandidates()
{
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
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
    if (g_calculator && g_calculator->state() != QProcess::NotRunning)
        return;
    const QString program = FindCalculator();
    if (program.isEmpty()) {
        QMessageBox::information(nullptr, QStringLiteral("Calculatrice"),
                                 QStringLiteral("Aucune calculatrice n'est installée sur cet ordinateur.\n"
                                                "Installez par exemple « gnome-calculator » ou « galculator »."));
        return;
    }
    if (!g_calculator)
        g_calculator = new QProcess;
    g_calculator->setProgram(program);
    g_calculator->start();
}
