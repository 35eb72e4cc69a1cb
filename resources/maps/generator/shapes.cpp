// Shapes drawn on a planet map.
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace mapgen {

namespace {
    constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

    Vec3 Direction(const LatLon& c)
    {
        const double cl = std::cos(c.lat * kDegToRad);
        return {cl * std::cos(c.lon * kDegToRad), cl * std::sin(c.lon * kDegToRad), std::sin(c.lat * kDegToRad)};
    }
} // namespace

double AngleDeg(const MapPoint& p, const LatLon& centre)
{
    const Vec3 c = Direction(centre);
    const double dot = p.dir.x * c.x + p.dir.y * c.y + p.dir.z * c.z;
    return std::acos(std::clamp(dot, -1.0, 1.0)) / kDegToRad;
}

void LocalOffset(const MapPoint& p, const LatLon& centre, double& east, double& north)
{
    double dlon = p.lonDeg - centre.lon;
    while (dlon > 180.0)
        dlon -= 360.0;
    while (dlon < -180.0)
        dlon += 360.0;
    east = dlon * std::cos(centre.lat * kDegToRad);
    north = p.latDeg - centre.lat;
}

double Blob(const MapPoint& p, const LatLon& centre, double radius, double soft, double ragged, unsigned seed)
{
    const double d = AngleDeg(p, centre);
    if (d > radius * (1.0 + ragged) + soft)
        return 0.0;
    const double wobble = (Fbm(Stretch(p.dir, 6, 6, 6), 4, seed) - 0.5) * 2.0 * ragged * radius;
    return 1.0 - SmoothStep(radius - soft, radius + soft, d + wobble);
}

double Ellipse(const MapPoint& p, const LatLon& centre, double east, double north, double soft)
{
    double e, n;
    LocalOffset(p, centre, e, n);
    const double r = std::sqrt((e / east) * (e / east) + (n / north) * (n / north));
    const double edge = soft / std::min(east, north);
    return 1.0 - SmoothStep(1.0 - edge, 1.0 + edge, r);
}

double PatchCover(const MapPoint& p, const std::vector<Patch>& patches, PatchJoin join, double ragged, double edge,
                  double noiseScale, unsigned seed)
{
    double field = 0.0;
    for (const Patch& patch : patches) {
        const double d = AngleDeg(p, patch.centre) / patch.radius;
        if (d >= 3.0)
            continue;
        const double bump = patch.weight * std::exp(-d * d);
        field += join == PatchJoin::Merge ? bump : bump * bump * bump * bump;
    }
    if (join == PatchJoin::Touch)
        field = std::sqrt(std::sqrt(field));
    field += ragged * (Fbm(Stretch(p.dir, noiseScale, noiseScale, noiseScale), 5, seed) - 0.5);
    return SmoothStep(0.5 - edge / 2, 0.5 + edge / 2, field);
}

double DistanceToPath(const MapPoint& p, const std::vector<LatLon>& path)
{
    double best = 1e9;
    for (size_t i = 0; i + 1 < path.size(); ++i) {
        // The point and the segment's far end, both seen from its near end,
        // so that the segment never wraps round the map.
        double px, py;
        LocalOffset(p, path[i], px, py);
        const double dx = (path[i + 1].lon - path[i].lon) * std::cos(path[i].lat * kDegToRad);
        const double dy = path[i + 1].lat - path[i].lat;
        const double len2 = dx * dx + dy * dy;
        const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(px - t * dx, py - t * dy));
    }
    return best;
}

Crater MakeCrater(const LatLon& centre, double radius, double strength, bool rays)
{
    const double reach = std::min(179.0, radius * (rays ? 6.0 : 1.6));
    return {centre, radius, strength, rays, Direction(centre), std::cos(reach * kDegToRad)};
}

std::vector<Crater> ScatterCraters(Random& random, int count, double minRadius, double maxRadius)
{
    std::vector<Crater> craters;
    craters.reserve(count);
    for (int i = 0; i < count; ++i) {
        LatLon centre;
        random.PointOnSphere(centre.lat, centre.lon);
        // Radius density falls as 1/r^2: small craters far outnumber big ones.
        const double u = random.Uniform();
        const double radius = 1.0 / (1.0 / minRadius - u * (1.0 / minRadius - 1.0 / maxRadius));
        const double strength = random.Uniform(0.35, 1.0);
        const bool rays = random.Uniform() < 0.012;
        craters.push_back(MakeCrater(centre, radius, strength, rays));
    }
    return craters;
}

double CraterShade(const MapPoint& p, const Crater& crater, unsigned seed)
{
    const double dot = p.dir.x * crater.dir.x + p.dir.y * crater.dir.y + p.dir.z * crater.dir.z;
    if (dot < crater.minDot)
        return 0.0;
    const double reach = crater.rays ? 6.0 : 1.6;
    const double d = std::acos(std::clamp(dot, -1.0, 1.0)) / kDegToRad;
    double e, n;
    LocalOffset(p, crater.centre, e, n);
    const double t = d / crater.radius;
    const double east = d > 0 ? e / d : 0.0;
    double shade = 0.0;
    if (t < 1.0)
        shade = -0.05 * (1.0 - t * t) + 0.22 * east * t * t;
    else if (t < 1.5)
        shade = (0.08 - 0.12 * east) * (1.0 - SmoothStep(1.0, 1.5, t));
    if (t > 0.85 && t < 1.15)
        shade += 0.07 * (1.0 - std::fabs(t - 1.0) / 0.15);
    if (crater.rays && t > 1.0) {
        // Streaks of ejecta in random directions and of random lengths.
        const double angle = std::atan2(n, e);
        const Vec3 around{std::cos(angle) * 9.0, std::sin(angle) * 9.0, crater.centre.lat * 13.7};
        const double streak = SmoothStep(0.55, 0.9, ValueNoise(around, seed));
        const double length = reach * (0.35 + 0.65 * ValueNoise(around, seed + 1));
        shade += 0.3 * streak * (1.0 - SmoothStep(1.0, length, t)) + 0.08 * (1.0 - SmoothStep(1.0, 2.0, t));
    }
    return shade * crater.strength;
}

double CratersShade(const MapPoint& p, const std::vector<Crater>& craters, unsigned seed)
{
    double shade = 0.0;
    for (const Crater& c : craters)
        shade += CraterShade(p, c, seed);
    return shade;
}

} // namespace mapgen
