#include "app/displayquality.h"

DisplayQuality JudgeDisplay(int bitsPerPixel, int width, int height)
{
    DisplayQuality quality;
    QString colours;
    switch (bitsPerPixel) {
    case 8:
        colours = QStringLiteral("256 couleurs.");
        quality.lowColour = true;
        break;
    case 16:
        colours = QStringLiteral("65536 couleurs.");
        break;
    case 24:
    case 32:
        colours = QStringLiteral("16 millions de couleurs.");
        break;
    default:
        colours = QStringLiteral("16 couleurs.");
        quality.lowColour = true;
        break;
    }
    quality.text = QStringLiteral("Affichage ") + QString::number(width) + QStringLiteral(" sur ")
                   + QString::number(height) + QStringLiteral(" pixels, ") + colours;
    return quality;
}

QString DisplayWarningText(const DisplayQuality& quality)
{
    return quality.lowColour
               ? QStringLiteral("Affichage minimum conseillé : 800 sur 600 pixels, 65536 couleurs")
               : QStringLiteral("Affichage convenable");
}

unsigned DisplayWarningColour(const DisplayQuality& quality)
{
    return quality.lowColour ? 0x0000FFu : 0x008000u;
}
