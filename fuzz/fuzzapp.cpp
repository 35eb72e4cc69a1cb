#include "fuzz/fuzzcheck.h"

#include <QGuiApplication>

void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps argc and argv for the application's life.
    static int argc = 1;
    static char name[] = "kinea_fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
