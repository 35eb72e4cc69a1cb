// TDibPlus: a fixed-size 24-bit off-screen raster surface with direct pixel
// access, a Canvas bound to the same pixels and a one-to-one copy onto any
// other canvas; and plain pixel copies between a surface and a picture.
// A surface may be composed at a device pixel ratio (for a scaled screen):
// its pixel operations then work on device pixels, its canvas on logical
// ones.
#pragma once

#include "canvas/canvas.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// A surface colour: 0x00RRGGBB (blue in the low byte). Not the canvas
// convention, which is 0x00BBGGRR.
using TDibColor = std::uint32_t;

class TDibPlus
{
public:
    // Sizes from 1 to kMaxSide make a black surface; any other size makes
    // an empty surface with no storage, on which every operation does
    // nothing.
    TDibPlus(int width, int height);
    // A surface of `width` x `height` logical pixels at `ratio` device
    // pixels per logical pixel: Width() and Height() count device pixels.
    TDibPlus(int width, int height, qreal ratio);
    ~TDibPlus();
    TDibPlus(const TDibPlus&) = delete;
    TDibPlus& operator=(const TDibPlus&) = delete;

    static constexpr int kMaxSide = 16384;
    // Bytes per row: 3 x width padded up to a multiple of 4.
    static int RowBytesFor(int width);

    bool HasHandle() const { return !m_storage.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int RowBytes() const { return m_rowBytes; }
    int ImageSize() const { return m_rowBytes * m_height; }
    // Device pixels per logical pixel (1 unless given).
    qreal Ratio() const { return m_ratio; }

    // Top row first; pixel (x, y) is the blue, green and red bytes at
    // y * RowBytes + 3 * x.
    std::uint8_t* Bits() { return m_storage.data(); }
    const std::uint8_t* Bits() const { return m_storage.data(); }

    // Pens, brushes and fonts of this canvas take canvas colours.
    ::Canvas& Canvas() { return *m_canvas; }
    // A view over the storage (blue-green-red bytes, RowBytes per line);
    // take .copy() to keep the pixels beyond the surface's life.
    const QImage& Image() const { return m_image; }

    // Copies the whole surface, unscaled, with its top-left at (x, y).
    void Draw(::Canvas& target, int x, int y) const;

    // The checked pixel operations ignore points outside the surface (and
    // GetPixel answers black there); the Fast ones trust the caller.
    void SetPixel(int x, int y, TDibColor color);
    TDibColor GetPixel(int x, int y) const;
    void SetPixelFast(int x, int y, TDibColor color)
    {
        std::uint8_t* p = m_storage.data() + y * m_rowBytes + 3 * x;
        p[0] = static_cast<std::uint8_t>(color);
        p[1] = static_cast<std::uint8_t>(color >> 8);
        p[2] = static_cast<std::uint8_t>(color >> 16);
    }
    TDibColor GetPixelFast(int x, int y) const
    {
        const std::uint8_t* p = m_storage.data() + y * m_rowBytes + 3 * x;
        return TDibColor(p[0]) | TDibColor(p[1]) << 8 | TDibColor(p[2]) << 16;
    }

    // Each channel becomes the mean of the 3 x 3 block round the pixel,
    // remainder dropped, read as the buffer stands. The caller keeps
    // 1 <= x <= Width - 2 and 1 <= y <= Height - 2.
    void BlurPixel(int x, int y);

    // Scales the channels of pixels x1..x2 of row y by factor / 256 (each
    // factor 0..256, 256 keeps the channel). A segment wholly outside the
    // surface blackens the whole row; a row outside changes nothing.
    void ShadeRow(int x1, int x2, int y, int redFactor, int greenFactor, int blueFactor);

    // Darkens pixels x1..x2 of row y, keeping their hue, just enough for
    // light text in the canvas colour `ink` to read on them at `ratio`; the
    // pixels dark enough already stay as they are.
    void DarkenUnderInk(int x1, int x2, int y, TColor ink, double ratio = 4.5);
    // Every pixel takes the canvas colour `color` (0x00BBGGRR); or those of
    // rows firstRow..lastRow - 1 (clipped to the surface).
    void Fill(TColor color);
    void FillRows(int firstRow, int lastRow, TColor color);

private:
    bool Inside(int x, int y) const { return HasHandle() && x >= 0 && x < m_width && y >= 0 && y < m_height; }

    int m_width = 0;
    int m_height = 0;
    int m_rowBytes = 0;
    qreal m_ratio = 1;
    // Colours DarkenUnderInk worked out, by a hash of the colour (a slot
    // whose first colour is kNoColour is free).
    static constexpr int kDarkenedBits = 16;
    static constexpr std::size_t kDarkenedSlots = std::size_t(1) << kDarkenedBits;
    static constexpr TDibColor kNoColour = 0xFFFFFFFFu;
    std::vector<std::pair<TDibColor, TDibColor>> m_darkened;
    TColor m_darkenedInk = 0;
    double m_darkenedRatio = 0;
    // Pixels whose every channel is at most this are dark enough for the
    // remembered ink and ratio (-1: none is known to be).
    int m_darkEnoughBelow = -1;
    // And pixels of a luminance below this (-1: none).
    double m_darkEnoughLuminance = -1;
    std::vector<std::uint8_t> m_storage;
    QImage m_image;
    std::unique_ptr<::Canvas> m_canvas;
};

// Plain pixel copies between a TDibPlus and an RGB32 picture, done directly
// rather than through a painter: the globe view runs them on every render.

// Copies the whole surface into `picture` (Format_RGB32) with its top-left
// at (x, y), clipped to the picture; or only the surface's rows
// firstRow..lastRow - 1. Copies of rows that do not meet may run on
// several threads at once.
void CopySurfaceToPicture(const TDibPlus& surface, QImage& picture, int x, int y);
void CopySurfaceRowsToPicture(const TDibPlus& surface, int firstRow, int lastRow, QImage& picture, int x, int y);

// Copies the picture's rectangle `from` into the surface at (0, 0), clipped
// to both.
void CopyPictureToSurface(const QImage& picture, const QRect& from, TDibPlus& surface);

// Both copies count in the picture's own (device) pixels; this is the device
// rectangle of a logical one, for a picture or surface at `ratio`.
QRect DeviceRect(const QRect& logical, qreal ratio);

// The translucent darkening of a picture (Format_RGB32; others are left
// alone): each channel of pixels x1..x2 of row y, both included and
// clipped to the picture, times its factor / 256 (0..256), remainder
// dropped.
void ShadePictureRow(QImage& picture, int y, int x1, int x2, int redFactor, int greenFactor, int blueFactor);

// A box covering the whole surface with its corners rounded to `radius`
// logical pixels: the first and last device column it covers on device row
// `y` (the last may lie one past the surface's right edge).
struct ColumnSpan
{
    int first = 0;
    int last = 0;
};
ColumnSpan RoundedBoxRow(const TDibPlus& surface, int radius, int y);
