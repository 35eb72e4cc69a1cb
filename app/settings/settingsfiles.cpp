#include "settingsfiles.h"

#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString kFileName = QStringLiteral("Kinea.ini");

// Judged by the permission bits that apply to this user, as for anyone:
// the superuser, whom the system lets write anything, must not rewrite a
// file or fill a folder that its owner protected.
bool WritableByMode(const QFileInfo& info)
{
    if (!info.isWritable())
        return false;
#ifdef Q_OS_UNIX
    const uint user = ::geteuid();
    if (user != 0)
        return true; // the system already judged by the mode
    if (info.ownerId() == user)
        return info.permission(QFile::WriteOwner);
    if (info.groupId() == ::getegid())
        return info.permission(QFile::WriteGroup);
    return info.permission(QFile::WriteOther);
#else
    return true;
#endif
}

QString InUserFolder()
{
    const QString folder = UserSettingsFolder();
    return folder.isEmpty() ? QString() : folder + '/' + kFileName;
}

} // namespace

QString UserSettingsFolder()
{
#ifdef Q_OS_WIN
    // %APPDATA%\Kinea: roams with the user's profile on a school network.
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
#endif
}

SettingsFiles LocateSettingsFiles(const QString& programDir)
{
    const QString beside = programDir + '/' + kFileName;
    const QFileInfo file(beside);
    if (QFileInfo::exists(programDir + '/' + QLatin1String(InstalledMarkerName)))
        return {file.isFile() ? beside : QString(), InUserFolder()};
    // A pipe or a folder named Kinea.ini is left alone: reading a pipe
    // would wait for ever.
    const bool besideUsable = file.exists() ? file.isFile() : WritableByMode(QFileInfo(programDir));
    if (besideUsable)
        return {{}, beside};
    // A system-wide copy installed without its marker: keep the settings
    // in the user's own folder rather than lose them at every exit.
    const QString own = InUserFolder();
    return {{}, own.isEmpty() ? beside : own};
}

bool SettingsFileWritable(const QString& path)
{
    const QFileInfo file(path);
    if (file.exists())
        return file.isFile() && WritableByMode(file);
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && WritableByMode(folder);
}
