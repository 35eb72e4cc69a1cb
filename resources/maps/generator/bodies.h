// The painters of the generated planet maps, one per body.
#pragma once

#include "mapimage.h"

namespace mapgen {

void PaintMercury(MapImage& map);
void PaintVenus(MapImage& map);
void PaintMars(MapImage& map);
void PaintJupiter(MapImage& map);
void PaintSaturn(MapImage& map);
void PaintUranus(MapImage& map);
void PaintNeptune(MapImage& map);
void PaintPluto(MapImage& map);
void PaintMoon(MapImage& map);
void PaintSun(MapImage& map);

} // namespace mapgen
