// Test helper: decides, as the program does at start-up, whether this copy
// may run.
//   instance_probe check <lock> <ini>   prints "refused" or "allowed"
//   instance_probe hold <lock>          takes the lock, says "held", waits
#include "app/settings/appsettings.h"
#include "app/startup.h"
#include "platform/desktop.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 4 && args[1] == "check") {
        LoadSettings(args[3]);
        SingleInstance instance(args[2]);
        std::puts(SecondCopyRefused(instance, AppSettings.InstanceFlag) ? "refused" : "allowed");
        return 0;
    }
    if (args.size() >= 3 && args[1] == "hold") {
        SingleInstance instance(args[2]);
        std::puts(instance.TryAcquire() ? "held" : "busy");
        std::fflush(stdout);
        QThread::sleep(60);
        return 0;
    }
    return 2;
}
