// The sphere projection of the globe view: a 642 x 321 equirectangular map
// forward-mapped onto a 206 x 206 picture of a sphere turned and tilted by
// whole degrees, in single precision.
#pragma once

#include "raster/tdibplus.h"

#include <array>

// Map and sphere geometry: 642 map columns make the equator, so the sphere's
// radius is 321 / pi map pixels. Each row's radius terms are worked out from
// this exact value and only then rounded to single precision.
constexpr int kGlobeMapColumns = 642;
constexpr int kGlobeMapRows = 321;
constexpr int kGlobeImageSide = 206;
constexpr int kGlobeCentre = 103;
constexpr double kGlobeRadius = 102.1774735;

// cos and sin of 2 pi k / 642 (k = 0..720) and of 2 pi k / 360 (k = 0..360),
// rounded to single precision.
struct GlobeTables
{
    std::array<float, 721> Cos642;
    std::array<float, 721> Sin642;
    std::array<float, 361> Cos360;
    std::array<float, 361> Sin360;
};
const GlobeTables& GlobeTrigTables();

// Whole degrees brought into 0..360 (360 stays 360: the 361-entry tables
// have that index).
int NormalizeDegrees(int n);

// Draws rows 0..320 of `map` as a sphere onto `image` (206 x 206), turned
// by `turnDeg` about the polar axis and tilted by `tiltDeg` about the
// horizontal screen axis; only the front hemisphere, later map pixels over
// earlier ones, the rest of `image` untouched.
void ProjectGlobe(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg);
