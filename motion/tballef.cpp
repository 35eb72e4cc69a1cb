#include "motion/tballef.h"

#include "app/settings/appsettings.h"

TBalleF::TBalleF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("BalleF");
    setWindowTitle(ModuleCaption(QStringLiteral("Mouvement d'un projectile")));
    resize(427, 341);
}
