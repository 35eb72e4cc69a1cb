// Kinea: physics films and experiments for the classroom.
#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    return RunKinea(app);
}
