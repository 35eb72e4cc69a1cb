// Deterministic noise on the sphere for the map generator.
#include "noise.h"

#include <cmath>

namespace mapgen {

std::uint64_t Random::Next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Random::Uniform()
{
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

void Random::PointOnSphere(double& latDeg, double& lonDeg)
{
    latDeg = std::asin(Uniform(-1.0, 1.0)) * 180.0 / 3.14159265358979323846;
    lonDeg = Uniform(-180.0, 180.0);
}

Vec3 Stretch(const Vec3& p, double sx, double sy, double sz)
{
    return {p.x * sx, p.y * sy, p.z * sz};
}

static std::uint32_t Hash(int x, int y, int z, unsigned seed)
{
    std::uint32_t h = seed * 0x27D4EB2Du;
    h ^= static_cast<std::uint32_t>(x) * 0x8DA6B343u;
    h ^= static_cast<std::uint32_t>(y) * 0xD8163841u;
    h ^= static_cast<std::uint32_t>(z) * 0xCB1AB31Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

static double Hash01(int x, int y, int z, unsigned seed)
{
    return Hash(x, y, z, seed) * (1.0 / 4294967296.0);
}

static double Fade(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

static double Lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

double ValueNoise(const Vec3& p, unsigned seed)
{
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const int x = static_cast<int>(fx), y = static_cast<int>(fy), z = static_cast<int>(fz);
    const double tx = Fade(p.x - fx), ty = Fade(p.y - fy), tz = Fade(p.z - fz);
    double plane[2];
    for (int dz = 0; dz < 2; ++dz) {
        const double a = Lerp(Hash01(x, y, z + dz, seed), Hash01(x + 1, y, z + dz, seed), tx);
        const double b = Lerp(Hash01(x, y + 1, z + dz, seed), Hash01(x + 1, y + 1, z + dz, seed), tx);
        plane[dz] = Lerp(a, b, ty);
    }
    return Lerp(plane[0], plane[1], tz);
}

double Fbm(const Vec3& p, int octaves, unsigned seed)
{
    double sum = 0, amplitude = 0.5, total = 0;
    Vec3 q = p;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(q, seed + 101u * static_cast<unsigned>(i));
        total += amplitude;
        amplitude *= 0.5;
        q = Stretch(q, 2.03, 2.03, 2.03);
    }
    return sum / total;
}

void Worley(const Vec3& p, unsigned seed, double& nearest, double& second)
{
    const int cx = static_cast<int>(std::floor(p.x));
    const int cy = static_cast<int>(std::floor(p.y));
    const int cz = static_cast<int>(std::floor(p.z));
    nearest = second = 1e9;
    for (int dz = -1; dz <= 1; ++dz)
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int gx = cx + dx, gy = cy + dy, gz = cz + dz;
                const double px = gx + Hash01(gx, gy, gz, seed);
                const double py = gy + Hash01(gx, gy, gz, seed + 1);
                const double pz = gz + Hash01(gx, gy, gz, seed + 2);
                const double d = std::sqrt((px - p.x) * (px - p.x) + (py - p.y) * (py - p.y) + (pz - p.z) * (pz - p.z));
                if (d < nearest) {
                    second = nearest;
                    nearest = d;
                } else if (d < second) {
                    second = d;
                }
            }
}

double SmoothStep(double edge0, double edge1, double x)
{
    const double t = std::fmin(1.0, std::fmax(0.0, (x - edge0) / (edge1 - edge0)));
    return t * t * (3.0 - 2.0 * t);
}

} // namespace mapgen
