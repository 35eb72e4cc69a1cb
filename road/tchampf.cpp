#include "road/tchampf.h"

#include "app/settings/appsettings.h"

TChampF::TChampF(QWidget* parent)
    : ModuleWindow(parent)
{
    setObjectName("ChampF");
    setWindowTitle(ModuleCaption(QStringLiteral("Champ visuel et conduite")));
    resize(659, 504);
}
