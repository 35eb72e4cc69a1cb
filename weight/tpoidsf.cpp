#include "weight/tpoidsf.h"

#include "app/settings/appsettings.h"

TPoidsF::TPoidsF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("PoidsF");
    setWindowTitle(ModuleCaption(QStringLiteral("Poids d'un objet")));
    resize(742, 523);
}
