// Venus's cloud deck, Pluto with its pale heart, and the Sun's granulated
// surface with a few sunspot groups.
#include "bodies.h"
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace mapgen {

namespace {

    // Pluto's features keep their arrangement but are turned so that the heart
    // (Tombaugh Regio) faces the weight window's Pluto view, below its caption
    // box: the real heart lies about 40 degrees further north, on the
    // hemisphere turned away from Charon (longitude 180).
    const LatLon kHeart{-18.0, 72.0};

    // The heart shape (x east, y north, about -1.15..1.15 across, point down),
    // negative inside.
    double HeartFunction(double x, double y)
    {
        const double s = x * x + y * y - 1.0;
        return s * s * s - x * x * y * y * y;
    }

    double HeartCover(const MapPoint& p)
    {
        double e, n;
        LocalOffset(p, kHeart, e, n);
        const double ragged = (Fbm(Stretch(p.dir, 9, 9, 9), 4, 121u) - 0.5) * 6.0;
        const double x = (e + ragged) / 25.0;
        const double y = (n - ragged) / 20.0 + 0.1;
        return 1.0 - SmoothStep(-0.04, 0.04, HeartFunction(x, y));
    }

    // Cthulhu Macula west of the heart along the equator, and the smaller dark
    // maculae east of it.
    const std::vector<Patch> kPlutoDark = {
        {{-26.0, -70.0}, 16.0, 0.9}, {{-24.0, -40.0}, 16.0, 0.9}, {{-22.0, -10.0}, 16.0, 0.9},
        {{-28.0, 20.0}, 13.0, 0.85}, {{-28.0, 125.0}, 9.0, 0.7},  {{-25.0, 160.0}, 8.0, 0.7},
    };

    struct Sunspot
    {
        LatLon centre;
        double radius; // of the penumbra, degrees
    };

    // Spot groups in the two activity belts, some facing the Sun view.
    const Sunspot kSunspots[] = {
        {{16.0, -52.0}, 3.8},  {{15.0, -44.0}, 2.0}, {{17.5, -39.0}, 1.4},  {{-11.0, -75.0}, 3.0},
        {{-12.0, -68.0}, 1.6}, {{22.0, 40.0}, 3.4},  {{-18.0, 120.0}, 2.6}, {{9.0, 165.0}, 2.2},
    };

} // namespace

void PaintVenus(MapImage& map)
{
    const Rgb pale{0.95, 0.89, 0.68};
    const Rgb ochre{0.82, 0.70, 0.45};
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        // Clouds stretched along the parallels, with a wide chevron shape
        // from the faster winds near the equator.
        const double chevron = 0.25 * std::fabs(p.latDeg) / 90.0;
        const Vec3 swept{p.dir.x * std::cos(chevron) - p.dir.y * std::sin(chevron),
                         p.dir.x * std::sin(chevron) + p.dir.y * std::cos(chevron), p.dir.z};
        const double clouds = Fbm(Stretch(swept, 2.5, 2.5, 9.0), 6, 111u);
        const double veil = Fbm(Stretch(p.dir, 1.5, 1.5, 1.5), 3, 113u);
        Rgb c = Mix(ochre, pale, SmoothStep(0.25, 0.75, 0.7 * clouds + 0.3 * veil));
        // Brighter polar collars.
        out = Mix(c, Rgb{0.97, 0.94, 0.82}, 0.5 * SmoothStep(55.0, 80.0, std::fabs(p.latDeg)));
    });
}

void PaintPluto(MapImage& map)
{
    const Rgb beige{0.80, 0.68, 0.54};
    const Rgb tan{0.66, 0.50, 0.36};
    const Rgb dark{0.36, 0.20, 0.13};
    const Rgb ice{0.97, 0.94, 0.88};
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        const double tone = Fbm(Stretch(p.dir, 4, 4, 4), 6, 131u);
        Rgb c = Mix(tan, beige, SmoothStep(0.3, 0.7, tone));
        // A pale yellow-grey north polar region.
        c = Mix(c, Rgb{0.85, 0.80, 0.68}, SmoothStep(40.0, 60.0, p.latDeg));
        c = Mix(c, Scale(dark, 0.85 + 0.3 * tone), PatchCover(p, kPlutoDark, PatchJoin::Merge, 0.5, 0.2, 6.0, 127u));
        double cells, second;
        Worley(Stretch(p.dir, 40, 40, 40), 137u, cells, second);
        const Rgb heart = Scale(ice, 0.95 + 0.05 * SmoothStep(0.0, 0.3, second - cells));
        out = Mix(c, heart, 0.95 * HeartCover(p));
    });
}

void PaintSun(MapImage& map)
{
    const Rgb photosphere{1.00, 0.76, 0.22};
    const Rgb umbra{0.30, 0.12, 0.02};
    const Rgb penumbra{0.72, 0.40, 0.08};
    map.ForEach([&](const MapPoint& p, Rgb& out) {
        double nearest, second;
        Worley(Stretch(p.dir, 45, 45, 45), 141u, nearest, second);
        // Bright granule centres, darker lanes where two cells meet.
        const double lanes = SmoothStep(0.0, 0.25, second - nearest);
        const double large = Fbm(Stretch(p.dir, 6, 6, 6), 4, 143u);
        Rgb c = Scale(photosphere, 0.86 + 0.12 * lanes + 0.08 * large);
        for (const Sunspot& s : kSunspots) {
            const double d = AngleDeg(p, s.centre);
            if (d > s.radius * 2.5)
                continue;
            c = Mix(c, Rgb{1.0, 0.86, 0.45}, 0.35 * (1.0 - SmoothStep(s.radius, s.radius * 2.5, d)));
            c = Mix(c, penumbra, 1.0 - SmoothStep(s.radius * 0.9, s.radius * 1.1, d));
            c = Mix(c, umbra, 1.0 - SmoothStep(s.radius * 0.4, s.radius * 0.55, d));
        }
        out = c;
    });
}

} // namespace mapgen
