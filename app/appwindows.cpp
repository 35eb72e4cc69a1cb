#include "app/appwindows.h"

#include "app/settings/appsettings.h"
#include "window/modulewindow.h"

#include <QDialog>

QWidget* AppWindows::placed(int slot) const
{
    switch (slot) {
    case SlotRoue: return roue;
    case SlotBalle: return balle;
    case SlotDisque: return disque;
    case SlotChute: return chute;
    case SlotFreinage: return freinage;
    case SlotPercuta: return percuta;
    case SlotPoids: return poids;
    case SlotChamp: return champ;
    default: return nullptr;
    }
}

std::array<QWidget*, 7> AppWindows::hinted() const
{
    return {poids, champ, preferences, balle, chute, disque, roue};
}
