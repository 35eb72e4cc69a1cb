#include "motion/trouef.h"

#include "app/settings/appsettings.h"

TRoueF::TRoueF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("RoueF");
    setWindowTitle(ModuleCaption(QStringLiteral("Roue d'une bicyclette")));
    resize(467, 250);
}
