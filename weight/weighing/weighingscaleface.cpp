#include "weight/weighing/weighingscaleface.h"

#include "canvas/picturehelpers.h"
#include "weight/weighing/model/readoutdigits.h"
#include "weight/weighing/model/readoutglyphs.h"

namespace {

constexpr int kFirstGlyphX = 8;
constexpr int kGlyphY = 16;
constexpr int kOverflowGlyph = 10; // D, E, P, A, S, S, E follow the digits
constexpr int kOverflowGlyphs = 7;
constexpr QPoint kUnitAt{159, 23};
constexpr TColor kBodyPen = 0xC0C0C0;
constexpr TColor kBodyBrush = 0x808080;
constexpr TColor kBlack = 0x000000;
constexpr TColor kWhite = 0xFFFFFF;

// A sheet of `logical` size at `ratio`: white where `lit` says the centre
// of a device pixel (in logical units) is lit, black elsewhere.
template <typename Lit> QImage DrawnSheet(QSize logical, qreal ratio, Lit lit)
{
    QImage sheet = NewPicture(logical, ratio);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(sheet.scanLine(y));
        const double cy = (y + 0.5) / ratio;
        for (int x = 0; x < sheet.width(); ++x)
            line[x] = lit((x + 0.5) / ratio, cy) ? 0xFFFFFFFFu : 0xFF000000u;
    }
    return sheet;
}

// The sheet with its lit pixels in `colour`.
QImage Recoloured(const QImage& source, TColor colour)
{
    QImage sheet = source.copy();
    ReplaceColor(sheet, kWhite, colour);
    return sheet;
}

} // namespace

void ScaleFace::Build(qreal ratio)
{
    m_face = NewPicture(QSize(kScaleWidth, kScaleHeight), ratio);
    Canvas canvas(m_face);
    canvas.brush = {kBlack, BrushStyle::Solid};
    canvas.FillRect(0, 0, kScaleWidth, kScaleHeight);
    canvas.pen = {kBodyPen, 1, PenStyle::Solid};
    canvas.brush = {kBodyBrush, BrushStyle::Solid};
    canvas.RoundRect(0, 6, kScaleWidth, kScaleHeight, 10, 10);
    canvas.RoundRect(0, 0, kScaleWidth, 5, 4, 4);
    canvas.brush = {kBlack, BrushStyle::Solid};
    canvas.Rectangle(7, 11, 183, 56);
    m_digitSource = DrawnSheet(QSize(kGlyphCount * kGlyphWidth, kGlyphHeight), ratio, [](double x, double y) {
        const int glyph = int(x / kGlyphWidth);
        return GlyphLit(glyph, x - glyph * kGlyphWidth, y);
    });
    m_unitSource = DrawnSheet(QSize(kUnitWidth, kUnitHeight), ratio, UnitLit);
    SetColour(m_colour);
}

void ScaleFace::Release()
{
    *this = ScaleFace();
}

void ScaleFace::SetColour(TColor colour)
{
    m_colour = colour & 0xFFFFFF;
    m_digits = Recoloured(m_digitSource, m_colour);
    m_unit = Recoloured(m_unitSource, m_colour);
}

void ScaleFace::DrawGlyph(Canvas& canvas, int x, int y, int glyph) const
{
    // OR onto the black window: the glyph's dark margin leaves the
    // window's outline as it is.
    canvas.CopyRect(QRect(x, y, kGlyphWidth, kGlyphHeight), m_digits,
                    QRect(glyph * kGlyphWidth, 0, kGlyphWidth, kGlyphHeight), RasterOp::Or);
}

void ScaleFace::Draw(Canvas& canvas, int x, int y, double newtons) const
{
    canvas.Draw(x, y, m_face);
    const ScaleReadout readout = ReadoutFor(newtons);
    if (readout.overflow) {
        for (int k = 0; k < kOverflowGlyphs; ++k)
            DrawGlyph(canvas, x + kFirstGlyphX + kGlyphWidth * k, y + kGlyphY, kOverflowGlyph + k);
        return;
    }
    for (int k = 0; k < kReadoutDigits; ++k)
        DrawGlyph(canvas, x + kFirstGlyphX + kGlyphWidth * k, y + kGlyphY, readout.digits[std::size_t(k)]);
    if (readout.pointAfter > 0) {
        const int left = x + kGlyphWidth * readout.pointAfter + 7;
        canvas.pen = {m_colour, 1, PenStyle::Solid};
        canvas.brush = {m_colour, BrushStyle::Solid};
        canvas.Rectangle(left, y + 46, left + 3, y + 50);
    }
    canvas.Draw(x + kUnitAt.x(), y + kUnitAt.y(), m_unit, RasterOp::Or);
}
