// Mars: red-orange deserts, the dark albedo markings, the polar caps,
// Valles Marineris and the Tharsis volcanoes at their real places
// (longitude east, -180..180, latitude north).
#include "bodies.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace mapgen {

namespace {

    const std::vector<Patch> kDarkMarkings = {
        // Syrtis Major: a dark wedge pointing north, joined to the southern band.
        {{10.0, 69.0}, 8.1, 1.30},
        {{2.0, 71.0}, 9.5, 1.30},
        {{-8.0, 75.0}, 10.8, 1.16},
        {{18.0, 66.0}, 5.4, 1.01},
        // The dark band of the southern highlands, east to west.
        {{-8.0, 20.0}, 10.8, 1.09},
        {{-7.0, 38.0}, 10.8, 1.09},
        {{-10.0, 52.0}, 10.8, 1.01}, // Sinus Sabaeus
        {{-2.0, 0.0}, 8.1, 1.16}, // Sinus Meridiani
        {{-18.0, 100.0}, 13.5, 1.09},
        {{-15.0, 118.0}, 10.8, 1.01}, // Mare Tyrrhenum
        {{-22.0, 140.0}, 13.5, 1.09},
        {{-28.0, 160.0}, 12.2, 0.87}, // Mare Cimmerium
        {{-30.0, -155.0}, 13.5, 1.01},
        {{-33.0, -135.0}, 10.8, 0.87}, // Mare Sirenum
        {{-25.0, -40.0}, 14.9, 1.01},
        {{-20.0, -25.0}, 10.8, 0.87}, // Mare Erythraeum
        {{-14.0, -52.0}, 8.1, 0.87}, // Aurorae Sinus
        {{-26.0, -85.0}, 4.7, 1.23}, // Solis Lacus
        {{-60.0, 20.0}, 18.9, 0.80},
        {{-62.0, 120.0}, 16.2, 0.72}, // Mare Australe
        // The northern plains.
        {{46.0, -30.0}, 13.5, 1.16},
        {{55.0, -20.0}, 12.2, 0.87}, // Mare Acidalium
        {{45.0, 110.0}, 14.9, 0.80}, // Utopia
        {{65.0, 0.0}, 18.9, 0.65},
        {{65.0, 150.0}, 18.9, 0.65},
        {{65.0, -90.0}, 18.9, 0.58},
    };

    const std::vector<Patch> kBrightRegions = {
        {{-42.4, 70.5}, 18.0, 1.0}, // Hellas basin
        {{-49.7, -43.0}, 10.0, 0.9}, // Argyre basin
        {{20.0, 5.0}, 16.0, 0.6}, // Arabia Terra
        {{5.0, -110.0}, 20.0, 0.7}, // Tharsis
        {{25.0, 147.0}, 10.0, 0.6}, // Elysium
    };

    struct Volcano
    {
        LatLon centre;
        double radius;
    };

    const Volcano kVolcanoes[] = {
        {{18.65, -133.8}, 5.5}, // Olympus Mons
        {{-8.3, -120.1}, 2.6}, // Arsia Mons
        {{1.5, -112.9}, 2.2}, // Pavonis Mons
        {{11.9, -104.5}, 2.3}, // Ascraeus Mons
        {{24.8, 146.9}, 1.8}, // Elysium Mons
    };

    // The canyon system, from Noctis Labyrinthus east to the chaos regions.
    const std::vector<LatLon> kVallesMarineris = {
        {-6.0, -103.0}, {-7.0, -96.0},  {-9.0, -88.0}, {-10.5, -79.0}, {-11.5, -70.0},
        {-12.5, -62.0}, {-12.0, -54.0}, {-9.0, -46.0}, {-5.0, -40.0},  {-1.0, -35.0},
    };
    // Ophir, Candor and Melas chasmata, north of the main trough.
    const std::vector<LatLon> kVallesNorthBranch = {
        {-8.5, -82.0},
        {-6.0, -74.0},
        {-6.5, -66.0},
        {-9.5, -60.0},
    };

    // Brightness change of a shield volcano: a lit west flank, a shaded east
    // flank, a dark summit caldera and, for Olympus Mons, its cliff.
    double VolcanoShade(const MapPoint& p, const Volcano& v)
    {
        const double d = AngleDeg(p, v.centre);
        if (d > v.radius * 1.15)
            return 0.0;
        double e, n;
        LocalOffset(p, v.centre, e, n);
        const double t = d / v.radius;
        double shade = -0.2 * (e / v.radius) * (1.0 - t);
        if (t < 0.15)
            shade -= 0.25;
        if (t > 0.92 && t < 1.08)
            shade -= 0.12;
        return shade;
    }

} // namespace

void PaintMars(MapImage& map)
{
    const Rgb desert{0.80, 0.46, 0.27};
    const Rgb bright{0.90, 0.62, 0.40};
    const Rgb dark{0.38, 0.24, 0.17};
    const Rgb ice{0.97, 0.96, 0.94};
    Random random(0x3A125u);
    const std::vector<Crater> craters = ScatterCraters(random, 300, 0.5, 4.0);
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double tone = Fbm(Stretch(p.dir, 4, 4, 4), 6, 41u);
        Rgb c = Scale(desert, 0.9 + 0.2 * tone);
        c = Mix(c, bright, 0.6 * PatchCover(p, kBrightRegions, PatchJoin::Merge, 0.4, 0.4, 4.0, 43u));
        const double darkCover = PatchCover(p, kDarkMarkings, PatchJoin::Merge, 0.55, 0.25, 5.0, 47u);
        c = Mix(c, Scale(dark, 0.85 + 0.3 * tone), darkCover * (0.75 + 0.25 * tone));
        double shade = 0.0;
        for (const Volcano& v : kVolcanoes)
            shade += VolcanoShade(p, v);
        // The canyons: dark floors a few map pixels wide, lighter walls.
        const double canyon = std::min(DistanceToPath(p, kVallesMarineris), DistanceToPath(p, kVallesNorthBranch));
        shade += -0.45 * (1.0 - SmoothStep(0.8, 1.6, canyon)) + 0.08 * (1.0 - SmoothStep(1.6, 2.6, canyon));
        shade += 0.6 * CratersShade(p, craters, 13u) * (p.latDeg < 0 ? 1.0 : 0.4);
        c = Scale(c, 1.0 + shade);
        // Polar caps with ragged edges; the southern one is off the pole.
        const double edge = (Fbm(Stretch(p.dir, 8, 8, 8), 4, 53u) - 0.5) * 6.0;
        const double north = SmoothStep(74.0, 77.0, p.latDeg + edge);
        const double south = 1.0 - SmoothStep(4.0, 6.5, AngleDeg(p, {-87.0, -40.0}) + edge * 0.6);
        out = Mix(c, ice, std::max(north, south));
    });
}

} // namespace mapgen
