#include "motion/tchutef.h"

#include "app/settings/appsettings.h"

TChuteF::TChuteF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("ChuteF");
    setWindowTitle(ModuleCaption(QStringLiteral("Chute d'une bille")));
    resize(433, 374);
}
