#include "shell/tsplashf.h"

TSplashF::TSplashF(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("SplashF");
    setWindowTitle(QStringLiteral("A propos de Kinea"));
    resize(550, 430);
}
