// Latitude bands of the gas giants, with soft edges.
#pragma once

#include "mapimage.h"

#include <vector>

namespace mapgen {

struct Band
{
    double southEdge; // latitude where the band ends, degrees
    Rgb colour;
};

// Colour at `latDeg` of bands listed from north to south (the last band
// reaches the south pole); neighbours blend over `soft` degrees.
Rgb BandColour(const std::vector<Band>& bands, double latDeg, double soft);

// The latitude moved by east-west turbulence, so that band edges wave.
double TurbulentLatitude(const MapPoint& p, double amplitudeDeg, double stretch, unsigned seed);

// Thin streaks along the parallels, -1..1.
double Streaks(const MapPoint& p, double scale, unsigned seed);

} // namespace mapgen
