// The one-copy lock on Windows: one per desktop session, so that users of
// one computer (fast user switching, remote desktops) each run their own.
#include "platform/desktop.h"

#include <QDir>
#include <windows.h>

QString SingleInstance::DefaultLockPath()
{
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session))
        session = 0;
    // The temporary folder is the user's own.
    return QDir::tempPath() + QStringLiteral("/kinea-session-%1.lock").arg(session);
}
