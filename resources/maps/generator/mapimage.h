// An equirectangular planet map being generated: 642 x 321 colours, 360
// degrees of longitude across (left edge -180, east to the right), 180
// degrees of latitude down (north at the top).
#pragma once

#include <string>
#include <vector>

namespace mapgen {

constexpr int kMapWidth = 642;
constexpr int kMapHeight = 321;

struct Rgb
{
    double r = 0, g = 0, b = 0;
};

Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb Scale(const Rgb& c, double k);

struct Vec3
{
    double x = 0, y = 0, z = 0;
};

// What a generator knows about one map pixel.
struct MapPoint
{
    double latDeg;
    double lonDeg;
    Vec3 dir; // unit vector from the centre of the body
};

class MapImage
{
public:
    MapImage();

    Rgb& At(int x, int y) { return m_pixels[y * kMapWidth + x]; }

    // Calls paint(point, colour) for every pixel, row by row.
    template <typename Painter> void ForEach(Painter paint)
    {
        for (int y = 0; y < kMapHeight; ++y)
            for (int x = 0; x < kMapWidth; ++x)
                paint(PointAt(x, y), At(x, y));
    }

    static MapPoint PointAt(int x, int y);

    // 8-bit RGB rows, channels clamped to 0..1 and rounded.
    std::vector<unsigned char> ToBytes() const;

private:
    std::vector<Rgb> m_pixels;
};

// Writes the map as a baseline JPEG; false when the file cannot be written.
bool WriteJpeg(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height, int quality);

// Reads a JPEG as 8-bit RGB rows; false when it cannot be decoded.
bool ReadJpeg(const std::string& path, std::vector<unsigned char>& rgb, int& width, int& height);

// Averages the source over each target pixel's footprint (area resampling).
std::vector<unsigned char> ResampleArea(const std::vector<unsigned char>& rgb, int width, int height, int newWidth,
                                        int newHeight);

} // namespace mapgen
