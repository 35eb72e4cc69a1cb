// Shapes drawn on a planet map: distances on the sphere, soft blobs,
// ellipses, paths and craters, all in degrees.
#pragma once

#include "mapimage.h"
#include "noise.h"

#include <vector>

namespace mapgen {

struct LatLon
{
    double lat;
    double lon;
};

// Great-circle angle between the point and (lat, lon).
double AngleDeg(const MapPoint& p, const LatLon& centre);

// Degrees east (measured along the centre's parallel) and north of the
// centre; east wraps round to -180..180.
void LocalOffset(const MapPoint& p, const LatLon& centre, double& east, double& north);

// 1 inside a disc of `radius` degrees, 0 outside, with a soft edge of
// `soft` degrees made ragged by noise of relative strength `ragged`.
double Blob(const MapPoint& p, const LatLon& centre, double radius, double soft, double ragged, unsigned seed);

// 1 inside an ellipse of half-axes `east` and `north` degrees, soft edge.
double Ellipse(const MapPoint& p, const LatLon& centre, double east, double north, double soft);

// A smooth bump of a patch field: `weight` at the centre, falling off over
// about `radius` degrees.
struct Patch
{
    LatLon centre;
    double radius;
    double weight;
};

enum class PatchJoin
{
    Merge,
    Touch
};

// How much of the point lies inside a region made of patches: the bumps
// are summed (neighbours merge into one shape) or joined by a soft maximum
// (each keeps about its own size, neighbours fill the gaps between them),
// then shaken by noise of strength `ragged`
// and cut at a threshold. 0 outside, 1 inside, with an edge about `edge`
// wide in field units.
double PatchCover(const MapPoint& p, const std::vector<Patch>& patches, PatchJoin join, double ragged, double edge,
                  double noiseScale, unsigned seed);

// Distance in degrees from the point to a path of points joined by
// straight segments in longitude and latitude.
double DistanceToPath(const MapPoint& p, const std::vector<LatLon>& path);

struct Crater
{
    LatLon centre;
    double radius; // degrees
    double strength; // 1 for a fresh crater, less for an old worn one
    bool rays; // a bright young crater with long rays
    Vec3 dir; // the centre as a unit vector, for a quick reach test
    double minDot; // points with a smaller dot product are out of reach
};

Crater MakeCrater(const LatLon& centre, double radius, double strength, bool rays);

// Random craters: radii from minRadius to maxRadius, many more small ones.
std::vector<Crater> ScatterCraters(Random& random, int count, double minRadius, double maxRadius);

// Brightness change of a crater at this point, lit from the west: the
// inner east wall bright, the inner west wall dark, a bright rim.
double CraterShade(const MapPoint& p, const Crater& crater, unsigned seed);

// Sum of the shades of every crater whose reach includes the point.
double CratersShade(const MapPoint& p, const std::vector<Crater>& craters, unsigned seed);

} // namespace mapgen
