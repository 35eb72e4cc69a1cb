// Cratered bodies: Mercury and the Moon, with the lunar maria at their real
// places (longitude east of the mean sub-Earth point, latitude north).
#include "bodies.h"
#include "shapes.h"

#include <algorithm>

namespace mapgen {

namespace {

    // Patches whose merged shape covers about `radius` degrees round each
    // centre.
    std::vector<Patch> MariaPatches(std::initializer_list<std::pair<LatLon, double>> discs)
    {
        std::vector<Patch> patches;
        for (const auto& [centre, radius] : discs)
            patches.push_back({centre, radius * 1.2, 1.0});
        return patches;
    }

    // The near-side maria and a few far-side ones, as overlapping discs.
    const std::vector<Patch> kMoonMaria = MariaPatches({
        {{32.8, -15.6}, 18.0}, // Mare Imbrium
        {{28.0, 17.5}, 11.5}, // Mare Serenitatis
        {{8.5, 31.4}, 12.5}, // Mare Tranquillitatis
        {{17.0, 59.1}, 8.0}, // Mare Crisium
        {{-7.8, 51.3}, 9.0}, // Mare Fecunditatis
        {{-15.2, 35.5}, 5.5}, // Mare Nectaris
        {{-21.3, -16.6}, 10.0}, // Mare Nubium
        {{-24.4, -38.6}, 6.2}, // Mare Humorum
        {{13.3, 3.6}, 4.0}, // Mare Vaporum
        {{7.5, -30.9}, 8.0}, // Mare Insularum
        {{-10.0, -23.1}, 5.5}, // Mare Cognitum
        {{2.0, 1.0}, 3.5}, // Sinus Medii
        {{44.0, -31.0}, 5.0}, // Sinus Iridum and the Imbrium shore
        // Oceanus Procellarum, a wide irregular plain along the western limb.
        {{30.0, -58.0}, 11.0},
        {{16.0, -60.0}, 12.0},
        {{2.0, -54.0}, 10.0},
        {{-8.0, -45.0}, 8.0},
        {{42.0, -52.0}, 8.0},
        {{20.0, -44.0}, 9.0},
        // Mare Frigoris, a narrow band north of Imbrium and Serenitatis.
        {{55.0, -38.0}, 4.0},
        {{56.0, -30.0}, 4.5},
        {{56.5, -22.0}, 4.5},
        {{57.0, -14.0}, 4.5},
        {{57.0, -6.0}, 4.5},
        {{56.5, 2.0}, 4.5},
        {{56.0, 10.0}, 4.5},
        {{55.5, 18.0}, 4.5},
        {{55.0, 26.0}, 4.0},
        {{54.0, 33.0}, 3.5},
        {{27.3, 147.9}, 4.5}, // Mare Moscoviense (far side)
        {{-19.4, -92.8}, 4.0}, // Mare Orientale, on the western limb
        {{-35.0, 162.0}, 3.0}, // Mare Ingenii (far side)
    });

    // Named bright young craters and a few large walled plains.
    const Crater kMoonCraters[] = {
        MakeCrater({-43.3, -11.2}, 1.4, 1.0, true), // Tycho
        MakeCrater({9.6, -20.1}, 1.5, 1.0, true), // Copernicus
        MakeCrater({8.1, -38.0}, 0.8, 1.0, true), // Kepler
        MakeCrater({23.7, -47.4}, 0.7, 1.0, true), // Aristarchus
        MakeCrater({-58.4, -14.4}, 3.7, 0.8, false), // Clavius
        MakeCrater({51.6, -9.4}, 1.7, 0.7, false), // Plato
        MakeCrater({-9.3, -1.9}, 2.5, 0.7, false), // Ptolemaeus
        MakeCrater({-18.2, 1.2}, 2.5, 0.7, false), // Albategnius
        MakeCrater({-41.1, 27.7}, 1.0, 0.9, false), // Stevinus area
        MakeCrater({-23.1, -68.0}, 1.8, 0.8, false), // Grimaldi basin edge
    };

    bool IsPlato(const Crater& c)
    {
        return c.centre.lat > 51.0 && c.centre.lat < 52.0;
    }

} // namespace

void PaintMercury(MapImage& map)
{
    Random random(0x3E7C1u);
    std::vector<Crater> craters = ScatterCraters(random, 700, 0.6, 9.0);
    craters.push_back(MakeCrater({30.5, 170.2}, 17.0, 0.6, false)); // Caloris basin
    craters.push_back(MakeCrater({57.8, 16.8}, 1.1, 1.0, true)); // Hokusai
    craters.push_back(MakeCrater({-58.0, -27.0}, 3.0, 0.8, false));
    const Rgb plain{0.55, 0.53, 0.50};
    const Rgb dark{0.38, 0.37, 0.36};
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double tone = Fbm(Stretch(p.dir, 3, 3, 3), 6, 11u);
        Rgb c = Mix(dark, plain, SmoothStep(0.3, 0.7, tone));
        // Smooth plains: slightly darker, fewer craters.
        const double smooth = SmoothStep(0.55, 0.65, Fbm(Stretch(p.dir, 1.6, 1.6, 1.6), 3, 17u));
        const double shade = CratersShade(p, craters, 5u) * (1.0 - 0.6 * smooth);
        c = Scale(c, 1.0 - 0.08 * smooth + shade);
        out = c;
    });
}

void PaintMoon(MapImage& map)
{
    Random random(0x10A5u);
    const std::vector<Crater> craters = ScatterCraters(random, 900, 0.35, 6.0);
    const std::vector<Crater> named(std::begin(kMoonCraters), std::end(kMoonCraters));
    const Rgb highland{0.74, 0.73, 0.71};
    const Rgb mare{0.38, 0.38, 0.39};
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        double mareCover = PatchCover(p, kMoonMaria, PatchJoin::Touch, 0.45, 0.2, 5.0, 23u);
        // Plato's dark lava floor.
        for (const Crater& c : kMoonCraters)
            if (IsPlato(c))
                mareCover = std::max(mareCover, Blob(p, c.centre, c.radius * 0.8, 0.3, 0.0, 1u));
        const double tone = Fbm(Stretch(p.dir, 4, 4, 4), 6, 31u);
        const Rgb land = Scale(highland, 0.88 + 0.22 * tone);
        const Rgb sea = Scale(mare, 0.75 + 0.55 * Fbm(Stretch(p.dir, 7, 7, 7), 4, 37u));
        Rgb c = Mix(land, sea, mareCover);
        // The maria flooded the old craters; the young rays cross them.
        const double shade = CratersShade(p, craters, 9u) * (1.0 - 0.75 * mareCover) + CratersShade(p, named, 9u);
        out = Scale(c, 1.0 + shade);
    });
}

} // namespace mapgen
