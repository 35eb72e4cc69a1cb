// TDibPlus: storage, pixel access and per-pixel effects.
#include "raster/tdibplus.h"

#include "canvas/colorcontrast.h"
#include "canvas/textformat.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

int TDibPlus::RowBytesFor(int width)
{
    return 3 * width + (4 - (3 * width) % 4) % 4;
}

TDibPlus::TDibPlus(int width, int height)
    : TDibPlus(width, height, 1)
{ }

TDibPlus::TDibPlus(int logicalWidth, int logicalHeight, qreal ratio)
{
    if (!(ratio > 0) || ratio > 16)
        ratio = 1;
    // Rounded as NewPicture rounds, so that a surface and a picture of one
    // logical size have one device size.
    const QSize device = (QSizeF(logicalWidth, logicalHeight) * ratio).toSize();
    const int width = logicalWidth >= 1 ? device.width() : logicalWidth;
    const int height = logicalHeight >= 1 ? device.height() : logicalHeight;
    if (width >= 1 && width <= kMaxSide && height >= 1 && height <= kMaxSide) {
        m_width = width;
        m_height = height;
        m_rowBytes = RowBytesFor(width);
        // Zero-filled: a new surface is black.
        m_storage.assign(static_cast<size_t>(m_rowBytes) * height, 0);
        m_image = QImage(m_storage.data(), width, height, m_rowBytes, QImage::Format_BGR888);
        m_ratio = ratio;
        m_image.setDevicePixelRatio(ratio);
    }
    m_canvas = std::make_unique<::Canvas>(m_image);
}

// The canvas ends its painter before the image and the storage go.
TDibPlus::~TDibPlus() = default;

void TDibPlus::Draw(::Canvas& target, int x, int y) const
{
    if (HasHandle())
        target.Draw(x, y, m_image);
}

void TDibPlus::SetPixel(int x, int y, TDibColor color)
{
    if (Inside(x, y))
        SetPixelFast(x, y, color);
}

TDibColor TDibPlus::GetPixel(int x, int y) const
{
    return Inside(x, y) ? GetPixelFast(x, y) : 0;
}

void TDibPlus::BlurPixel(int x, int y)
{
    int sum[3] = {0, 0, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        const std::uint8_t* row = m_storage.data() + (y + dy) * m_rowBytes + 3 * (x - 1);
        for (int i = 0; i < 9; ++i)
            sum[i % 3] += row[i];
    }
    std::uint8_t* p = m_storage.data() + y * m_rowBytes + 3 * x;
    for (int c = 0; c < 3; ++c)
        p[c] = static_cast<std::uint8_t>(sum[c] / 9);
}

namespace {

// Factors for the bytes of a row, repeating every 48 bytes: a whole
// number of pixels of 1, 2, 3 or 4 bytes, and three vectors.
using BytePattern = std::array<std::uint16_t, 48>;

// Byte i of first..last - 1 times factors[i % 48] / 256 (each 0..256),
// remainder dropped, sixteen bytes at a time.
void ScaleBytes(std::uint8_t* first, std::uint8_t* last, const BytePattern& factors)
{
    std::uint8_t* p = first;
#ifdef __SSE2__
    // (A plain array: std::array would drop the vector type's alignment.)
    __m128i times[6];
    for (std::size_t i = 0; i < 6; ++i)
        times[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(factors.data() + 8 * i));
    const __m128i zero = _mm_setzero_si128();
    for (; last - p >= 48; p += 48)
        for (std::size_t i = 0; i < 3; ++i) {
            auto* at = reinterpret_cast<__m128i*>(p + 16 * i);
            const __m128i bytes = _mm_loadu_si128(at);
            const __m128i low = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(bytes, zero), times[2 * i]), 8);
            const __m128i high = _mm_srli_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(bytes, zero), times[2 * i + 1]), 8);
            _mm_storeu_si128(at, _mm_packus_epi16(low, high));
        }
#endif
    for (; p < last; ++p)
        *p = static_cast<std::uint8_t>(*p * factors[static_cast<std::size_t>(p - first) % factors.size()] >> 8);
}

// The pattern of pixels of N bytes, each with its factor, clamped.
template <std::size_t N> BytePattern RepeatedFactors(const std::array<int, N>& channels)
{
    static_assert(48 % N == 0);
    BytePattern pattern{};
    for (std::size_t i = 0; i < N; ++i)
        pattern[i] = static_cast<std::uint16_t>(std::clamp(channels[i], 0, 256));
    for (std::size_t i = N; i < pattern.size(); ++i)
        pattern[i] = pattern[i - N];
    return pattern;
}

} // namespace

void TDibPlus::ShadeRow(int x1, int x2, int y, int redFactor, int greenFactor, int blueFactor)
{
    if (!HasHandle() || y < 0 || y >= m_height)
        return;
    std::uint8_t* row = m_storage.data() + y * m_rowBytes;
    if (x1 >= m_width || x2 < 0) {
        std::fill(row, row + 3 * m_width, std::uint8_t(0));
        return;
    }
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_width - 1);
    // Factors above 256 would carry into the next channel's byte: the
    // pattern clamps them. Bytes come blue, green, red.
    ScaleBytes(row + 3 * x1, row + 3 * x2 + 3, RepeatedFactors<3>({blueFactor, greenFactor, redFactor}));
}

void ShadePictureRow(QImage& picture, int y, int x1, int x2, int redFactor, int greenFactor, int blueFactor)
{
    if (picture.format() != QImage::Format_RGB32 || y < 0 || y >= picture.height())
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, picture.width() - 1);
    if (x1 > x2)
        return;
    // In memory a pixel is blue, green, red, then the opaque byte, kept.
    std::uint8_t* const row = picture.scanLine(y);
    ScaleBytes(row + 4 * x1, row + 4 * x2 + 4, RepeatedFactors<4>({blueFactor, greenFactor, redFactor, 256}));
}

namespace {

// Red and blue change places between the two conventions.
std::uint32_t SwapRedBlue(std::uint32_t color)
{
    return (color & 0x00FF00) | (color >> 16 & 0xFF) | (color & 0xFF) << 16;
}

} // namespace

namespace {

int MaxChannel(TDibColor pixel)
{
    return int(std::max({pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF}));
}

// The lightest grey still dark enough under `ink`. A colour none of whose
// channels is lighter has a luminance no higher than that grey's (the
// luminance grows with each channel), so it is dark enough too: the very
// answer ContrastRatio would give it.
int DarkEnoughGreyLimit(TColor ink, double ratio)
{
    int limit = -1;
    for (int c = 0; c < 256; ++c) {
        const TColor grey = TColor(c) * 0x010101u;
        if (ContrastRatio(ink, grey) < ratio || Luminance(grey) > Luminance(ink))
            break;
        limit = c;
    }
    return limit;
}

// The share of each channel in a surface pixel's luminance, as Luminance
// weighs it, so that a pixel's luminance is three look-ups and two sums.
struct ChannelLuminances
{
    std::array<double, 256> red, green, blue;
};

const ChannelLuminances& ChannelLuminance()
{
    static const ChannelLuminances tables = [] {
        ChannelLuminances t{};
        for (TColor v = 0; v < 256; ++v) {
            t.red[v] = Luminance(v);
            t.green[v] = Luminance(v << 8);
            t.blue[v] = Luminance(v << 16);
        }
        return t;
    }();
    return tables;
}

double SurfaceLuminance(const ChannelLuminances& tables, TDibColor pixel)
{
    return tables.red[pixel >> 16 & 0xFF] + tables.green[pixel >> 8 & 0xFF] + tables.blue[pixel & 0xFF];
}

// Below this luminance a pixel reaches `ratio` under the lighter `ink`:
// (ink + 0.05) / (pixel + 0.05) >= ratio, less a margin for rounding, so
// that what passes here is what ContrastRatio would pass too.
double DarkEnoughLuminance(TColor ink, double ratio)
{
    const double inkLuminance = Luminance(ink);
    return std::min(inkLuminance, (inkLuminance + 0.05) / ratio - 0.05) - 1e-9;
}

} // namespace

void TDibPlus::DarkenUnderInk(int x1, int x2, int y, TColor ink, double ratio)
{
    if (!HasHandle() || y < 0 || y >= m_height)
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, m_width - 1);
    // A caption redrawn on every tick darkens much the same colours again:
    // they are remembered for as long as the ink and the ratio stay.
    if (m_darkened.empty() || ink != m_darkenedInk || ratio != m_darkenedRatio) {
        m_darkened.assign(kDarkenedSlots, {kNoColour, 0});
        m_darkenedInk = ink;
        m_darkenedRatio = ratio;
        m_darkEnoughBelow = DarkEnoughGreyLimit(ink, ratio);
        m_darkEnoughLuminance = DarkEnoughLuminance(ink, ratio);
    }
    const ChannelLuminances& luminance = ChannelLuminance();
    for (int x = x1; x <= x2; ++x) {
        const TDibColor pixel = GetPixelFast(x, y);
        // The darkened land and sea mostly pass here, without the cache;
        // the deep blues and greens whose brightest channel is too light
        // for the first test, at the second.
        if (MaxChannel(pixel) <= m_darkEnoughBelow || SurfaceLuminance(luminance, pixel) < m_darkEnoughLuminance)
            continue;
        auto& [from, to] = m_darkened[(pixel * 2654435761u) >> (32 - kDarkenedBits)];
        if (from != pixel) {
            from = pixel;
            // Most pixels are dark enough already: DarkenedUnder would keep
            // them, and the contrast alone says so sooner.
            const bool darkEnough = ContrastRatio(ink, SwapRedBlue(pixel)) >= ratio;
            to = darkEnough ? pixel : SwapRedBlue(DarkenedUnder(SwapRedBlue(pixel), ink, ratio));
        }
        if (to != pixel)
            SetPixelFast(x, y, to);
    }
}

void TDibPlus::Fill(TColor color)
{
    FillRows(0, m_height, color);
}

void TDibPlus::FillRows(int firstRow, int lastRow, TColor color)
{
    const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                                 static_cast<std::uint8_t>(color)};
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, m_height);
    if (!HasHandle() || firstRow >= lastRow)
        return;
    std::uint8_t* first = m_storage.data() + firstRow * m_rowBytes;
    for (int x = 0; x < m_width; ++x)
        std::copy(bgr, bgr + 3, first + 3 * x);
    for (int y = firstRow + 1; y < lastRow; ++y)
        std::copy(first, first + m_rowBytes, m_storage.data() + y * m_rowBytes);
}

void CopySurfaceToPicture(const TDibPlus& surface, QImage& picture, int x, int y)
{
    CopySurfaceRowsToPicture(surface, 0, surface.Height(), picture, x, y);
}

void CopySurfaceRowsToPicture(const TDibPlus& surface, int firstRow, int lastRow, QImage& picture, int x, int y)
{
    if (picture.format() != QImage::Format_RGB32)
        return;
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, surface.Height());
    const QRect area = QRect(x, y + firstRow, surface.Width(), lastRow - firstRow) & picture.rect();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const std::uint8_t* from = surface.Bits() + (row - y) * surface.RowBytes() + 3 * (area.left() - x);
        QRgb* to = reinterpret_cast<QRgb*>(picture.scanLine(row)) + area.left();
        // Blue, green and red bytes read as one little-endian word are the
        // picture's pixel but for its alpha; the row's last pixel is read
        // byte by byte, since its word could run past the storage.
        const int words = area.width() - 1;
        for (int column = 0; column < words; ++column, from += 3) {
            std::uint32_t word;
            std::memcpy(&word, from, sizeof word);
            to[column] = qFromLittleEndian(word) | 0xFF000000u;
        }
        if (words >= 0)
            to[words] = qRgb(from[2], from[1], from[0]);
    }
}

void CopyPictureToSurface(const QImage& picture, const QRect& from, TDibPlus& surface)
{
    if (picture.format() != QImage::Format_RGB32)
        return;
    const QRect area = from & picture.rect() & QRect(from.topLeft(), QSize(surface.Width(), surface.Height()));
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.constScanLine(row)) + area.left();
        std::uint8_t* to = surface.Bits() + (row - from.top()) * surface.RowBytes() + 3 * (area.left() - from.left());
        for (int column = 0; column < area.width(); ++column, to += 3) {
            to[0] = static_cast<std::uint8_t>(qBlue(source[column]));
            to[1] = static_cast<std::uint8_t>(qGreen(source[column]));
            to[2] = static_cast<std::uint8_t>(qRed(source[column]));
        }
    }
}

QRect DeviceRect(const QRect& logical, qreal ratio)
{
    if (ratio == 1)
        return logical;
    const auto device = [ratio](int v) { return int(std::lround(v * ratio)); };
    return QRect(QPoint(device(logical.left()), device(logical.top())),
                 QPoint(device(logical.left() + logical.width()) - 1, device(logical.top() + logical.height()) - 1));
}

ColumnSpan RoundedBoxRow(const TDibPlus& surface, int radius, int y)
{
    const int r = int(std::lround(radius * surface.Ratio()));
    const int d = std::min(y, surface.Height() - 1 - y);
    if (d > r)
        return {0, surface.Width()};
    const int inset = RoundHalfEven(std::sqrt(double(r * r - (r - d) * (r - d))));
    return {r - inset, surface.Width() - r + inset};
}
