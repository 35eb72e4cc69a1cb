// Kinea: physics films and experiments for the classroom.
#include "app/startup.h"
#include "platform/carriedfonts.h"
#include "platform/desktop.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    InstallToolkitFrench();
    LoadProgramFonts();
    return RunKinea(app);
}
