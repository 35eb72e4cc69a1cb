// The one-copy lock on Linux: in the user's runtime folder, one per display
// (else per session), so that each desktop of the same account runs its own.
#include "platform/desktop.h"

#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

QString SingleInstance::DefaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    const auto env = [](const char* name) { return qEnvironmentVariable(name); };
    return dir + QLatin1Char('/') + InstanceLockName(QGuiApplication::platformName(), env);
}
