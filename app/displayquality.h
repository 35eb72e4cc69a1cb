// The launcher's judgement of the display: its text and whether it has too
// few colours for the program.
#pragma once

#include <QString>

struct DisplayQuality
{
    QString text;     // "Affichage 1024 sur 768 pixels, 256 couleurs."
    bool lowColour = false;
};

DisplayQuality JudgeDisplay(int bitsPerPixel, int width, int height);

// The status line's second label for that judgement, and its colour
// (0x00BBGGRR).
QString DisplayWarningText(const DisplayQuality& quality);
unsigned DisplayWarningColour(const DisplayQuality& quality);
