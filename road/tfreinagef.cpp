#include "road/tfreinagef.h"

#include "app/settings/appsettings.h"

TFreinageF::TFreinageF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("FreinageF");
    setWindowTitle(ModuleCaption(QStringLiteral("Freinage d'un véhicule")));
    resize(792, 543);
}
