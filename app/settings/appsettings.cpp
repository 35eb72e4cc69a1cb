#include "appsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppSettingsRecord AppSettings;
QString ProgramDir;

const char* PlacementSection(int slot)
{
    static const char* const sections[PlacementSlotCount] = {
        "MainF", "RoueF", "BalleF", "DisqueF", "ChuteF", "FreinageF", "PercutaF", "PoidsF", "ChampF",
    };
    return slot >= 0 && slot < PlacementSlotCount ? sections[slot] : "";
}

void InitProgramDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    while (dir.endsWith('/'))
        dir.chop(1);
    ProgramDir = dir;
}

QString SettingsFilePath()
{
    const QString dir = ProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : ProgramDir;
    const QString beside = dir + "/Kinea.ini";
    if (QFileInfo::exists(beside) || QFileInfo(dir).isWritable())
        return beside;
    // A system-wide install: keep the settings in the user's own folder
    // rather than lose them at every exit.
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty() || !QDir().mkpath(config))
        return beside;
    return config + "/Kinea.ini";
}

QString ProgramTitle()
{
    return QStringLiteral("Kinea");
}

QString LauncherCaption()
{
    return QStringLiteral(" Kinea - La physique en mouvement");
}

QString ModuleCaption(const QString& suffix)
{
    return ProgramTitle() + " - " + suffix;
}
