#include "weight/weighing/weighingscaleface.h"

#include "canvas/picturehelpers.h"
#include "platform/resources/namedresources.h"
#include "weight/weighing/model/readoutdigits.h"

namespace {

constexpr int kGlyphWidth = 25;
constexpr int kGlyphHeight = 35;
constexpr int kFirstGlyphX = 8;
constexpr int kGlyphY = 16;
constexpr int kOverflowGlyph = 10; // D, E, P, A, S, S, E follow the digits
constexpr int kOverflowGlyphs = 7;
constexpr QPoint kUnitAt{159, 23};
constexpr TColor kBodyPen = 0xC0C0C0;
constexpr TColor kBodyBrush = 0x808080;
constexpr TColor kBlack = 0x000000;
// Pixels of the sheets known to be lit: the top bar of the 0 and the left
// stroke of the N.
constexpr QPoint kDigitsLitSample{12, 4};
constexpr QPoint kUnitLitSample{4, 15};

QImage LoadSheet(const char* name)
{
    const QImage sheet = LoadNamedPicture(QString::fromLatin1(name));
    return sheet.isNull() ? sheet : sheet.convertToFormat(QImage::Format_RGB32);
}

// The sheet with its lit pixels (the colour at `litSample`) in `colour`.
QImage Recoloured(const QImage& source, QPoint litSample, TColor colour)
{
    if (!source.valid(litSample))
        return {};
    QImage sheet = source.copy();
    ReplaceColor(sheet, CanvasFromQColor(QColor(source.pixel(litSample))), colour);
    return sheet;
}

} // namespace

void ScaleFace::Build()
{
    m_face = QImage(kScaleWidth, kScaleHeight, QImage::Format_RGB32);
    Canvas canvas(m_face);
    canvas.brush = {kBlack, BrushStyle::Solid};
    canvas.FillRect(0, 0, kScaleWidth, kScaleHeight);
    canvas.pen = {kBodyPen, 1, PenStyle::Solid};
    canvas.brush = {kBodyBrush, BrushStyle::Solid};
    canvas.RoundRect(0, 6, kScaleWidth, kScaleHeight, 10, 10);
    canvas.RoundRect(0, 0, kScaleWidth, 5, 4, 4);
    canvas.brush = {kBlack, BrushStyle::Solid};
    canvas.Rectangle(7, 11, 183, 56);
    m_digitSource = LoadSheet("Digits");
    m_unitSource = LoadSheet("n");
    SetColour(m_colour);
}

void ScaleFace::Release()
{
    *this = ScaleFace();
}

void ScaleFace::SetColour(TColor colour)
{
    m_colour = colour & 0xFFFFFF;
    m_digits = Recoloured(m_digitSource, kDigitsLitSample, m_colour);
    m_unit = Recoloured(m_unitSource, kUnitLitSample, m_colour);
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
