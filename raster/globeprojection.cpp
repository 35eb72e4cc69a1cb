// The sphere projection of the globe view.
#include "raster/globeview.h"

#include <QSemaphore>
#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

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

namespace {

// atan2 in single precision within about 1e-5 radians, without branches, so
// that a row of pixels is worked out in vectors (a map's device pixel spans
// more than 2e-3 radians).
inline float FastAtan2(float y, float x)
{
    const float ax = std::fabs(x), ay = std::fabs(y);
    const float big = std::max(ax, ay), small = std::min(ax, ay);
    const float a = small / (big > 0.0f ? big : 1.0f);
    const float s = a * a;
    float r = (((((-0.01172120f * s + 0.05265332f) * s - 0.11643287f) * s + 0.19354346f) * s - 0.33262347f) * s
               + 0.99997726f)
              * a;
    r = ay > ax ? 1.57079633f - r : r;
    r = x < 0.0f ? 3.14159265f - r : r;
    return y < 0.0f ? -r : r;
}

// The map's planet and the image in device pixels at `ratio`.
struct ScaledSizes
{
    explicit ScaledSizes(double ratio)
        : mapColumns(static_cast<int>(std::lround(kGlobeMapColumns * ratio))),
          mapRows(static_cast<int>(std::lround(kGlobeMapRows * ratio))),
          side(static_cast<int>(std::lround(kGlobeImageSide * ratio)))
    { }
    int mapColumns;
    int mapRows;
    int side;
};

// Where the device pixels of the scaled sphere find their map pixels.
struct ScaledLookup
{
    ScaledLookup(const TDibPlus& map, const ScaledSizes& sizes, double ratio, int turnDeg, int tiltDeg)
        : mapColumns(sizes.mapColumns),
          mapRows(sizes.mapRows),
          mapRowBytes(map.RowBytes())
    {
        const GlobeTables& t = GlobeTrigTables();
        const int b = NormalizeDegrees(tiltDeg);
        cB = t.Cos360[b];
        sB = t.Sin360[b];
        r = static_cast<float>(ratio);
        inv = static_cast<float>(1.0 / ratio);
        columnOffset
            = static_cast<float>(2 * kGlobeMapColumns - NormalizeDegrees(turnDeg) * kGlobeMapColumns / 360.0 + 0.5);
        // With a power of two, pixel centres stand exactly symmetric about
        // the sphere's vertical axis: the pixel at mirror - x sees the
        // longitude of x negated and the same latitude.
        int exponent = 0;
        mirror = std::frexp(ratio, &exponent) == 0.5 ? static_cast<int>(2 * (kGlobeCentre + 0.5) * ratio) - 1 : -1;
    }

    // Pixel centres in logical units from the sphere's centre.
    float Centred(int device) const { return (static_cast<float>(device) + 0.5f) * inv - (kGlobeCentre + 0.5f); }

    int Offset(float longitude, int row) const
    {
        // A map column's centre stands at its longitude, as in the forward
        // projection; two turns added keep the column positive before
        // wrapping.
        int column = static_cast<int>((longitude * kColumnsPerRadian + columnOffset) * r);
        column = column >= mapColumns ? column - mapColumns : column;
        column = column >= mapColumns ? column - mapColumns : column;
        column = column >= mapColumns ? column - mapColumns : column;
        return row * mapRowBytes + 3 * column;
    }

    static constexpr float kColumnsPerRadian = static_cast<float>(kGlobeMapColumns / (2.0 * std::numbers::pi));
    static constexpr float kRowsPerRadian = static_cast<float>(kGlobeMapRows / std::numbers::pi);
    static constexpr float kEquatorRow = 160.0f;
    float cB, sB, r, inv, columnOffset;
    int mapColumns, mapRows, mapRowBytes;
    int mirror; // x and mirror - x are symmetric; -1 when no pixels are
};

// The map offsets of row pixels x0..x1 (sy from the centre, room = R^2 -
// sy^2); with `mirrored`, those of the pixels mirror - x too. Inlined, so
// that it takes the instruction set of the projection's clone.
template <bool mirrored>
[[gnu::always_inline]] inline void RowOffsets(const ScaledLookup at, float sy, float room, int x0, int x1, int* offsets,
                                              int* mirroredOffsets)
{
    for (int x = x0; x <= x1; ++x) {
        const float sx = at.Centred(x);
        const float depth = std::sqrt(std::max(room - sx * sx, 0.0f));
        // Untilted, then unturned: the tilt turns (w, q) into (depth, y).
        const float w = depth * at.cB - sy * at.sB;
        const float q = depth * at.sB + sy * at.cB;
        const float longitude = FastAtan2(sx, w);
        const float latitude = FastAtan2(q, std::sqrt(sx * sx + w * w));
        int row
            = static_cast<int>((latitude * ScaledLookup::kRowsPerRadian + (ScaledLookup::kEquatorRow + 0.5f)) * at.r);
        row = std::clamp(row, 0, at.mapRows - 1);
        offsets[x] = at.Offset(longitude, row);
        if constexpr (mirrored)
            mirroredOffsets[x] = at.Offset(-longitude, row);
    }
}

} // namespace

KINEA_AVX2_CLONES
void ProjectGlobeRowsAtRatio(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg, int firstRow, int lastRow)
{
    const ScaledSizes sizes(image.Ratio());
    const int side = sizes.side;
    if (map.Width() < sizes.mapColumns || map.Height() < sizes.mapRows || image.Width() < side || image.Height() < side)
        return;
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, side);
    const ScaledLookup at(map, sizes, image.Ratio(), turnDeg, tiltDeg);
    const float radius = static_cast<float>(kGlobeRadius), radius2 = radius * radius;
    const int rowBytes = image.RowBytes();
    std::vector<int> offsets(static_cast<std::size_t>(side)), mirroredOffsets(static_cast<std::size_t>(side));
    for (int y = firstRow; y < lastRow; ++y) {
        const float sy = at.Centred(y);
        const float room = radius2 - sy * sy;
        if (!(room > 0.0f))
            continue;
        const float half = std::sqrt(room);
        const int x0 = std::max(0, static_cast<int>(std::ceil((kGlobeCentre + 0.5f - half) * at.r - 0.5f)));
        const int x1 = std::min(side - 1, static_cast<int>(std::floor((kGlobeCentre + 0.5f + half) * at.r - 0.5f)));
        // The map offsets of the row's pixels, in vectors: the left half with
        // its mirror image where there is one, then what is left.
        int from = x0;
        if (at.mirror > 0) {
            const int leftEnd = std::min(x1, (at.mirror - 1) / 2);
            RowOffsets<true>(at, sy, room, x0, leftEnd, offsets.data(), mirroredOffsets.data());
            for (int x = x0; x <= leftEnd; ++x)
                if (at.mirror - x <= x1)
                    offsets[static_cast<std::size_t>(at.mirror - x)] = mirroredOffsets[static_cast<std::size_t>(x)];
            from = std::max(leftEnd + 1, at.mirror - x0 + 1);
        }
        RowOffsets<false>(at, sy, room, from, x1, offsets.data(), nullptr);
        // ...then the copies.
        std::uint8_t* target = image.Bits() + y * rowBytes + 3 * x0;
        for (int x = x0; x <= x1; ++x, target += 3) {
            const std::uint8_t* source = map.Bits() + offsets[static_cast<std::size_t>(x)];
            target[0] = source[0];
            target[1] = source[1];
            target[2] = source[2];
        }
    }
}

// At a ratio of 2 a globe has four times the pixels, each read from a map
// too large for the caches, and the three globes of the weight window must
// still turn within their tick: a band of rows a processor. A band the pool
// cannot take at once runs here.
void InRowBands(int rows, const std::function<void(int firstRow, int lastRow)>& work, int topRows,
                const std::function<void()>& onceTopDone)
{
    constexpr int kMaxBands = 4;
    const int bands = std::clamp(QThread::idealThreadCount(), 1, kMaxBands);
    const auto first = [rows, bands](int band) { return rows * band / bands; };
    std::array<QSemaphore, kMaxBands> done;
    for (int band = 1; band < bands; ++band) {
        const auto task
            = [&work, &semaphore = done[static_cast<std::size_t>(band)], from = first(band), to = first(band + 1)] {
                  work(from, to);
                  semaphore.release();
              };
        if (!QThreadPool::globalInstance()->tryStart(task))
            task();
    }
    work(0, first(1));
    // Every band reports, the ones run here too; those under the top rows
    // may still be at work while onceTopDone runs.
    int band = 1;
    if (onceTopDone) {
        for (; band < bands && first(band) < topRows; ++band)
            done[static_cast<std::size_t>(band)].acquire();
        onceTopDone();
    }
    for (; band < bands; ++band)
        done[static_cast<std::size_t>(band)].acquire();
}

void ProjectGlobeAtRatio(const TDibPlus& map, TDibPlus& image, int turnDeg, int tiltDeg)
{
    InRowBands(ScaledSizes(image.Ratio()).side, [&](int firstRow, int lastRow) {
        ProjectGlobeRowsAtRatio(map, image, turnDeg, tiltDeg, firstRow, lastRow);
    });
}
