// Colour depth and size of the primary screen.
#pragma once

struct DisplayInfo
{
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;
};

DisplayInfo CurrentDisplay();
