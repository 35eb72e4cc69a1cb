// Latitude bands of the gas giants.
#include "bands.h"
#include "noise.h"

namespace mapgen {

Rgb BandColour(const std::vector<Band>& bands, double latDeg, double soft)
{
    size_t i = 0;
    while (i + 1 < bands.size() && latDeg < bands[i].southEdge)
        ++i;
    Rgb colour = bands[i].colour;
    // Blend towards the band across the nearer edge.
    if (i + 1 < bands.size()) {
        const double below = latDeg - bands[i].southEdge;
        if (below < soft)
            colour = Mix(bands[i + 1].colour, colour, SmoothStep(-soft, soft, below));
    }
    if (i > 0) {
        const double above = bands[i - 1].southEdge - latDeg;
        if (above < soft)
            colour = Mix(bands[i - 1].colour, colour, SmoothStep(-soft, soft, above));
    }
    return colour;
}

double TurbulentLatitude(const MapPoint& p, double amplitudeDeg, double stretch, unsigned seed)
{
    const double wave = Fbm(Stretch(p.dir, 3, 3, 3 * stretch), 5, seed) - 0.5;
    return p.latDeg + 2.0 * amplitudeDeg * wave;
}

double Streaks(const MapPoint& p, double scale, unsigned seed)
{
    return 2.0 * (Fbm(Stretch(p.dir, scale, scale, scale * 8), 4, seed) - 0.5);
}

} // namespace mapgen
