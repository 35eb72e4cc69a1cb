#include "weight/tpercutaf.h"

#include "app/settings/appsettings.h"

TPercutaF::TPercutaF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("PercutaF");
    setWindowTitle(ModuleCaption(QStringLiteral("Orgue cinétique")));
    resize(700, 500);
}
