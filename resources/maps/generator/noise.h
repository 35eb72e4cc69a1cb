// Deterministic noise on the sphere for the map generator: everything comes
// from fixed seeds, so every build writes the same maps.
#pragma once

#include "mapimage.h"

#include <cstdint>

namespace mapgen {

// A small, portable pseudo-random sequence (SplitMix64).
class Random
{
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed)
    { }
    std::uint64_t Next();
    double Uniform(); // 0 <= v < 1
    double Uniform(double low, double high) { return low + (high - low) * Uniform(); }
    // A direction spread evenly over the sphere, as latitude and longitude.
    void PointOnSphere(double& latDeg, double& lonDeg);

private:
    std::uint64_t m_state;
};

Vec3 Stretch(const Vec3& p, double sx, double sy, double sz);

// Smooth value noise in 0..1.
double ValueNoise(const Vec3& p, unsigned seed);
// Fractal sum of `octaves` value noises, each twice as fine and half as
// strong; about 0..1, mean 0.5.
double Fbm(const Vec3& p, int octaves, unsigned seed);
// Cellular noise: distance to the nearest and second nearest random point
// of a unit grid.
void Worley(const Vec3& p, unsigned seed, double& nearest, double& second);

double SmoothStep(double edge0, double edge1, double x);

} // namespace mapgen
