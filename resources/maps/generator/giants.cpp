// Jupiter with its belts, zones and Great Red Spot; Saturn's pale bands.
#include "bands.h"
#include "bodies.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace mapgen {

namespace {

    const Rgb kZone{0.94, 0.90, 0.81};
    const Rgb kWarmZone{0.93, 0.84, 0.68};
    const Rgb kBelt{0.62, 0.44, 0.31};
    const Rgb kPaleBelt{0.74, 0.60, 0.47};
    const Rgb kPolar{0.66, 0.60, 0.53};

    const std::vector<Band> kJupiterBands = {
        {60.0, kPolar}, // north polar region
        {53.0, kPaleBelt},  {48.0, kZone},      {44.0, kPaleBelt}, // north north temperate belt
        {41.0, kZone},      {36.0, kPaleBelt},  {31.0, kZone}, // north temperate zone
        {24.0, kBelt}, // north temperate belt
        {18.0, kZone}, // north tropical zone
        {7.0, kBelt}, // north equatorial belt
        {-7.0, kWarmZone}, // equatorial zone
        {-19.0, kBelt}, // south equatorial belt
        {-27.0, kZone}, // south tropical zone, home of the Red Spot
        {-33.0, kPaleBelt}, // south temperate belt
        {-38.0, kZone},     {-44.0, kPaleBelt}, {-50.0, kZone},
        {-57.0, kPaleBelt}, {-90.0, kPolar}, // south polar region
    };

    // The Great Red Spot faces the weight window's Jupiter view.
    const LatLon kRedSpot{-22.0, 40.0};

    const std::vector<Band> kSaturnBands = {
        {74.0, {0.70, 0.68, 0.58}}, // polar region, inside the hexagon
        {62.0, {0.80, 0.72, 0.55}},  {50.0, {0.86, 0.78, 0.60}},  {40.0, {0.80, 0.70, 0.52}},
        {28.0, {0.90, 0.82, 0.64}},  {18.0, {0.84, 0.74, 0.55}},  {-18.0, {0.95, 0.89, 0.72}}, // bright equatorial zone
        {-28.0, {0.85, 0.75, 0.56}}, {-40.0, {0.90, 0.82, 0.64}}, {-55.0, {0.80, 0.70, 0.53}},
        {-90.0, {0.72, 0.66, 0.55}},
    };

    // The red oval with its paler collar and a swirl inside.
    Rgb RedSpot(const MapPoint& p, const Rgb& around)
    {
        double e, n;
        LocalOffset(p, kRedSpot, e, n);
        const double r = std::hypot(e / 9.5, n / 5.5);
        if (r > 1.5)
            return around;
        const Rgb core{0.78, 0.40, 0.27};
        const Rgb collar{0.95, 0.88, 0.78};
        const double swirl = Fbm(Stretch(p.dir, 20, 20, 20), 3, 71u);
        const Rgb spot = Mix(Scale(core, 0.9 + 0.2 * swirl), Scale(core, 1.1), SmoothStep(0.0, 0.6, r));
        if (r < 1.0)
            return Mix(spot, collar, SmoothStep(0.75, 1.0, r));
        return Mix(collar, around, SmoothStep(1.05, 1.5, r));
    }

    // Dark blue-grey plumes hanging from the north equatorial belt, leaning
    // west, at irregular spacing.
    double Festoons(const MapPoint& p)
    {
        if (p.latDeg > 7.0 || p.latDeg < 0.0)
            return 0.0;
        const double lon = (p.lonDeg + 1.5 * p.latDeg) * 3.14159265358979 / 180.0;
        const double plume = ValueNoise({std::cos(lon) * 14.0, std::sin(lon) * 14.0, 0.5}, 67u);
        return SmoothStep(0.62, 0.8, plume) * SmoothStep(1.0, 6.0, p.latDeg);
    }

    // Small eddies that curl the band edges: the latitude is moved by noise
    // that is about as long as it is wide.
    double Eddies(const MapPoint& p)
    {
        return 3.0 * (Fbm(Stretch(p.dir, 9, 9, 12), 4, 69u) - 0.5);
    }

} // namespace

void PaintJupiter(MapImage& map)
{
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double lat = TurbulentLatitude(p, 2.5, 4.0, 61u) + Eddies(p);
        Rgb c = BandColour(kJupiterBands, lat, 1.4);
        c = Scale(c, 1.0 + 0.12 * Streaks(p, 4.0, 63u));
        c = Mix(c, Rgb{0.45, 0.48, 0.55}, 0.5 * Festoons(p));
        // White ovals of the south temperate region.
        for (int k = 0; k < 6; ++k)
            c = Mix(c, kZone, 0.8 * Ellipse(p, {-41.0, -150.0 + 55.0 * k}, 3.0, 2.0, 0.8));
        out = RedSpot(p, c);
    });
}

void PaintSaturn(MapImage& map)
{
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double lat = TurbulentLatitude(p, 1.2, 5.0, 81u);
        Rgb c = BandColour(kSaturnBands, lat, 2.5);
        c = Scale(c, 1.0 + 0.03 * Streaks(p, 3.0, 83u));
        // The hexagonal jet stream round the north pole.
        const double angle = std::fmod(p.lonDeg + 360.0, 60.0) - 30.0;
        const double hexEdge = 90.0 - 12.0 / std::cos(angle * 3.14159265358979 / 180.0);
        const double onEdge = 1.0 - SmoothStep(0.5, 1.5, std::fabs(p.latDeg - hexEdge));
        out = Mix(c, Rgb{0.62, 0.60, 0.52}, 0.6 * onEdge);
    });
}

} // namespace mapgen
