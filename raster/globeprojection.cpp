// The sphere projection of the globe view.
#include "raster/globeview.h"

#include <cmath>
#include <numbers>

const GlobeTables& GlobeTrigTables()
{
    static const GlobeTables tables = [] {
        GlobeTables t;
        const double step642 = 2.0 * std::numbers::pi / 642.0;
        for (size_t k = 0; k < t.Cos642.size(); ++k) {
            t.Cos642[k] = static_cast<float>(std::cos(step642 * static_cast<double>(k)));
            t.Sin642[k] = static_cast<float>(std::sin(step642 * static_cast<double>(k)));
        }
        const double step360 = 2.0 * std::numbers::pi / 360.0;
        for (size_t k = 0; k < t.Cos360.size(); ++k) {
            t.Cos360[k] = static_cast<float>(std::cos(step360 * static_cast<double>(k)));
            t.Sin360[k] = static_cast<float>(std::sin(step360 * static_cast<double>(k)));
        }
        return t;
    }();
    return tables;
}

int NormalizeDegrees(int n)
{
    // The same results as adding or subtracting 360 step by step, in one go.
    if (n < 0) {
        const int r = n % 360;
        return r < 0 ? r + 360 : 0;
    }
    if (n > 360) {
        const int r = n % 360;
        return r == 0 ? 360 : r;
    }
    return n;
}

namespace {

// Adding and taking away 1.5 x 2^23 rounds a float of magnitude below 2^22
// to the nearest integer, halves to even, as RoundHalfEven does, in two
// plain additions (lrintf is a library call unless errno handling is
// disabled).
inline int FastRoundHalfEven(float x)
{
    constexpr float magic = 12582912.0f;
    return static_cast<int>((x + magic) - magic);
}

} // namespace

// The AVX2 clone is picked when the program loads. Clang 14 gives the
// dispatcher a name that calls from other files do not find, so a build
// with it (the fuzzing build) keeps one plain version; so does a Windows
// build, whose loader has no indirect functions to pick a clone with.
#if (defined(__clang__) && __clang_major__ < 15) || defined(_WIN32)
#define KINEA_AVX2_CLONES
#else
#define KINEA_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#endif

KINEA_AVX2_CLONES
void ProjectGlobe(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg)
{
    if (map.Width() < kGlobeMapColumns || map.Height() < kGlobeMapRows || image.Width() < kGlobeImageSide
        || image.Height() < kGlobeImageSide)
        return;
    const GlobeTables& t = GlobeTrigTables();
    const int a = NormalizeDegrees(turnDeg);
    const int b = NormalizeDegrees(tiltDeg);
    const float cA = t.Cos360[a], sA = t.Sin360[a], cB = t.Cos360[b], sB = t.Sin360[b];
    const float centre = kGlobeCentre;
    const int rowBytes = image.RowBytes();
    std::uint8_t* out = image.Bits();
    float depth[kGlobeMapColumns];
    int xs[kGlobeMapColumns];
    int ys[kGlobeMapColumns];
    for (int i = 0; i < kGlobeMapRows; ++i) {
        const double phi = (i - 160) * std::numbers::pi / 321.0;
        const float p = static_cast<float>(kGlobeRadius * std::cos(phi));
        const float q = static_cast<float>(kGlobeRadius * std::sin(phi));
        const float qsB = q * sB, qcB = q * cB;
        // First the geometry of the whole row, without branches...
        for (int j = 0; j < kGlobeMapColumns; ++j) {
            const float u = p * t.Cos642[j];
            const float v = p * t.Sin642[j];
            const float w = u * cA - v * sA;
            depth[j] = w * cB + qsB;
            xs[j] = FastRoundHalfEven(v * cA + u * sA + centre);
            ys[j] = FastRoundHalfEven(qcB - w * sB + centre);
        }
        // ...then the front hemisphere's pixels, in map order. |x - 103|
        // and |y - 103| stay below the radius: 1..205.
        const std::uint8_t* source = map.Bits() + i * map.RowBytes();
        for (int j = 0; j < kGlobeMapColumns; ++j, source += 3) {
            if (!(depth[j] > 0.0f))
                continue;
            std::uint8_t* target = out + ys[j] * rowBytes + 3 * xs[j];
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
}
