// Map pixels, JPEG files and resampling of the map generator.
#include "mapimage.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <jpeglib.h>

namespace mapgen {

Rgb Mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(const Rgb& c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

MapImage::MapImage()
    : m_pixels(kMapWidth * kMapHeight)
{ }

MapPoint MapImage::PointAt(int x, int y)
{
    constexpr double degToRad = 3.14159265358979323846 / 180.0;
    const double lon = (x + 0.5) * 360.0 / kMapWidth - 180.0;
    const double lat = 90.0 - (y + 0.5) * 180.0 / kMapHeight;
    const double cl = std::cos(lat * degToRad);
    return {lat, lon, {cl * std::cos(lon * degToRad), cl * std::sin(lon * degToRad), std::sin(lat * degToRad)}};
}

static unsigned char ToByte(double v)
{
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

std::vector<unsigned char> MapImage::ToBytes() const
{
    std::vector<unsigned char> bytes;
    bytes.reserve(m_pixels.size() * 3);
    for (const Rgb& c : m_pixels) {
        bytes.push_back(ToByte(c.r));
        bytes.push_back(ToByte(c.g));
        bytes.push_back(ToByte(c.b));
    }
    return bytes;
}

bool WriteJpeg(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height, int quality)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + info.next_scanline * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

bool ReadJpeg(const std::string& path, std::vector<unsigned char>& rgb, int& width, int& height)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    // A build tool may stop on a broken input: libjpeg's default handler
    // prints the reason and ends the run, which fails the build.
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = static_cast<int>(info.output_width);
    height = static_cast<int>(info.output_height);
    rgb.assign(static_cast<size_t>(width) * height * 3, 0);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(info.output_scanline) * width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return width > 0 && height > 0;
}

// Length of the overlap of [a0, a1) and [b0, b1).
static double Overlap(double a0, double a1, double b0, double b1)
{
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

std::vector<unsigned char> ResampleArea(const std::vector<unsigned char>& rgb, int width, int height, int newWidth,
                                        int newHeight)
{
    std::vector<unsigned char> out(static_cast<size_t>(newWidth) * newHeight * 3);
    const double sx = static_cast<double>(width) / newWidth;
    const double sy = static_cast<double>(height) / newHeight;
    for (int y = 0; y < newHeight; ++y) {
        const double y0 = y * sy, y1 = (y + 1) * sy;
        for (int x = 0; x < newWidth; ++x) {
            const double x0 = x * sx, x1 = (x + 1) * sx;
            double sum[3] = {0, 0, 0};
            double weight = 0;
            for (int v = static_cast<int>(y0); v < std::min(height, static_cast<int>(std::ceil(y1))); ++v) {
                const double wy = Overlap(y0, y1, v, v + 1);
                for (int u = static_cast<int>(x0); u < std::min(width, static_cast<int>(std::ceil(x1))); ++u) {
                    const double w = wy * Overlap(x0, x1, u, u + 1);
                    const unsigned char* p = &rgb[(static_cast<size_t>(v) * width + u) * 3];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += w * p[c];
                    weight += w;
                }
            }
            for (int c = 0; c < 3; ++c)
                out[(static_cast<size_t>(y) * newWidth + x) * 3 + c]
                    = static_cast<unsigned char>(std::lround(sum[c] / weight));
        }
    }
    return out;
}

} // namespace mapgen
