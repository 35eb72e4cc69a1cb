// The digital scale under each object: its grey body with the display
// window, and the seven-segment readout drawn in the scale colour.
#pragma once

#include "canvas/canvas.h"

#include <QImage>

constexpr int kScaleWidth = 190;
constexpr int kScaleHeight = 62;

class ScaleFace
{
public:
    // Builds the body and the glyph sheets at `ratio` device pixels per
    // logical pixel (the screen's).
    void Build(qreal ratio = 1);
    void Release();
    bool Built() const { return !m_face.isNull(); }
    qreal Ratio() const { return m_face.isNull() ? 0 : m_face.devicePixelRatio(); }

    // Lit glyph pixels take `colour` (a canvas colour), the rest stays black.
    void SetColour(TColor colour);
    TColor Colour() const { return m_colour; }

    // The scale reading `newtons`, its top-left at (x, y).
    void Draw(Canvas& canvas, int x, int y, double newtons) const;

    const QImage& Face() const { return m_face; }
    const QImage& DigitSheet() const { return m_digits; }
    const QImage& UnitSheet() const { return m_unit; }

private:
    void DrawGlyph(Canvas& canvas, int x, int y, int glyph) const;

    QImage m_face;
    QImage m_digitSource;
    QImage m_unitSource;
    QImage m_digits;
    QImage m_unit;
    TColor m_colour = 0x00FF00;
};
