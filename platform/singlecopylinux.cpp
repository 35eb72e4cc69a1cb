// The one-copy lock on Linux: in the user's runtime folder.
#include "platform/desktop.h"

#include <QDir>
#include <QStandardPaths>

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir + QStringLiteral("/kinea.lock");
}
