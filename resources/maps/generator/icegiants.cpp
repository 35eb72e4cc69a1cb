// Uranus, pale cyan and almost featureless; Neptune, deep blue with its
// Great Dark Spot and bright companion clouds.
#include "bands.h"
#include "bodies.h"
#include "shapes.h"

#include <algorithm>

namespace mapgen {

namespace {

    const std::vector<Band> kUranusBands = {
        {45.0, {0.70, 0.88, 0.90}},  {20.0, {0.66, 0.86, 0.89}},  {-20.0, {0.63, 0.84, 0.88}},
        {-45.0, {0.67, 0.87, 0.90}}, {-90.0, {0.76, 0.92, 0.94}}, // the brighter south polar region
    };

    const std::vector<Band> kNeptuneBands = {
        {60.0, {0.22, 0.34, 0.74}},  {25.0, {0.26, 0.41, 0.84}},  {-15.0, {0.29, 0.45, 0.88}},
        {-50.0, {0.25, 0.40, 0.83}}, {-70.0, {0.17, 0.28, 0.68}}, // dark southern band
        {-90.0, {0.23, 0.36, 0.78}},
    };

    // The Great Dark Spot faces the weight window's Neptune view.
    const LatLon kDarkSpot{-22.0, 12.0};

    // Bright methane clouds: long thin streaks along the parallels.
    double Cirrus(const MapPoint& p)
    {
        const LatLon clouds[] = {{-27.0, 14.0}, {-42.0, -20.0}, {28.0, -60.0}, {-30.0, 120.0},
                                 {22.0, 75.0},  {-55.0, 40.0},  {35.0, 160.0}};
        const double lengths[] = {9.0, 6.0, 14.0, 11.0, 8.0, 5.0, 12.0};
        double cover = 0.0;
        for (size_t i = 0; i < std::size(clouds); ++i)
            cover = std::max(cover, Ellipse(p, clouds[i], lengths[i], 1.0, 0.9));
        return cover;
    }

} // namespace

void PaintUranus(MapImage& map)
{
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double lat = TurbulentLatitude(p, 1.0, 5.0, 91u);
        const Rgb c = BandColour(kUranusBands, lat, 6.0);
        out = Scale(c, 1.0 + 0.015 * Streaks(p, 2.0, 93u));
    });
}

void PaintNeptune(MapImage& map)
{
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double lat = TurbulentLatitude(p, 2.0, 4.0, 101u);
        Rgb c = BandColour(kNeptuneBands, lat, 4.0);
        c = Scale(c, 1.0 + 0.05 * Streaks(p, 3.0, 103u));
        c = Mix(c, Rgb{0.08, 0.13, 0.42}, Ellipse(p, kDarkSpot, 11.0, 5.5, 1.5));
        // The small dark spot further south, with a bright core.
        c = Mix(c, Rgb{0.10, 0.16, 0.48}, Ellipse(p, {-55.0, 70.0}, 3.5, 2.0, 0.8));
        c = Mix(c, Rgb{0.85, 0.90, 0.95}, 0.8 * Ellipse(p, {-55.0, 70.0}, 1.0, 0.7, 0.4));
        out = Mix(c, Rgb{0.92, 0.94, 0.97}, 0.85 * Cirrus(p));
    });
}

} // namespace mapgen
