#include "motion/tdisquef.h"

#include "app/settings/appsettings.h"

TDisqueF::TDisqueF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("DisqueF");
    setWindowTitle(ModuleCaption(QStringLiteral("Disque en rotation")));
    resize(467, 313);
}
