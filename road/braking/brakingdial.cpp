// The speedometer: a 280-degree dial open at the bottom, drawn once per
// layout on a transparent layer, laid over a darkened disc, and its needle.
#include "road/braking/brakingscene.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Half the gap at the bottom of the dial: 40 degrees.
constexpr double kGapAngle = 0.6981317007977318;
// The angle of 0 km/h, lower left; speeds turn clockwise from there.
constexpr double kZeroAngle = 3 * std::numbers::pi / 2 - kGapAngle;
constexpr TColor kMarkColor = 0xE0E0FF;
constexpr TColor kRed = 0x0000FF;
// Below this a typed word is a smudge.
constexpr int kMinBrandPoints = 6;

// The point at angle `a` (counter-clockwise, y up) and distance `d` from the
// centre (r, r).
QPoint AtAngle(int r, double a, double d)
{
    return QPoint(r + RoundHalfEven(std::cos(a) * d), r - RoundHalfEven(std::sin(a) * d));
}

// How far along the ray at angle `a` a label's centre lies when the corner
// of its box (half sizes hw, hh) farthest from the centre touches the
// circle of radius `rho`.
double LabelDistance(double a, int hw, int hh, double rho)
{
    const double b = std::fabs(std::cos(a)) * hw + std::fabs(std::sin(a)) * hh;
    const double c = double(hw) * hw + double(hh) * hh - rho * rho;
    const double discriminant = b * b - c;
    return discriminant > 0 ? std::max(std::sqrt(discriminant) - b, 0.0) : 0;
}

void DrawScale(Canvas& canvas, int r, int maxSpeed)
{
    const int divisions = std::max(maxSpeed / 10, 1);
    const double division = 2 * (std::numbers::pi - kGapAngle) / divisions;
    canvas.pen = CanvasPen{kMarkColor, 1};
    canvas.brush.style = BrushStyle::Clear;
    for (int k = 0; k <= divisions; ++k) {
        const double a = kZeroAngle - k * division;
        const bool labelled = k % 2 == 0;
        const QPoint outer = AtAngle(r, a, r);
        const QPoint inner = AtAngle(r, a, labelled ? r - 12 : r - 8);
        canvas.MoveTo(outer.x(), outer.y());
        canvas.LineTo(inner.x(), inner.y());
        if (!labelled)
            continue;
        const QString label = QString::number(k * 10);
        const int hw = canvas.TextWidth(label) / 2;
        const int hh = canvas.TextHeight(label) / 2;
        const QPoint centre = AtAngle(r, a, LabelDistance(a, hw, hh, r - 12));
        canvas.TextOut(centre.x() - hw + 1, centre.y() - hh + 1, label);
    }
}

void DrawUnits(Canvas& canvas, int r)
{
    canvas.font.bold = true;
    canvas.font.SetPointSize(std::max(int(r * 0.05), kMinBrandPoints));
    const QString brand = QStringLiteral("KINEA");
    canvas.TextOut(r - canvas.TextWidth(brand) / 2, r + 6, brand);
    const int unitsTop = r + 6 + canvas.TextHeight(brand);
    canvas.font.SetPointSize(r / 7);
    const QString units = QStringLiteral("km/h");
    canvas.TextOut(r - canvas.TextWidth(units) / 2, unitsTop, units);
}

} // namespace

void BrakingScene::BuildDial(int maxSpeed)
{
    const int r = m_dialRadius;
    const int size = 2 * r + 1;
    // Drawn on a transparent layer: the smoothed edges of the figures keep
    // their own partial cover and blend with the dark disc, where a key
    // colour would leave a fringe of its own.
    QImage dial = NewPicture(QSize(size, size), m_ratio, QImage::Format_ARGB32_Premultiplied);
    dial.fill(Qt::transparent);
    {
        Canvas canvas(dial);
        canvas.font.name = QStringLiteral("Arial");
        canvas.font.SetPointSize(RoundHalfEven(r / 7.0));
        canvas.font.color = kMarkColor;
        canvas.pen = CanvasPen{kMarkColor, 2};
        const QPoint from = AtAngle(r, 3 * std::numbers::pi / 2 + kGapAngle, r);
        const QPoint to = AtAngle(r, kZeroAngle, r);
        canvas.Arc(0, 0, size, size, from.x(), from.y(), to.x(), to.y());
        canvas.pen = CanvasPen{kRed, 1};
        canvas.brush = CanvasBrush{kRed};
        canvas.Ellipse(r - 5, r - 5, r + 5, r + 5);
        DrawScale(canvas, r, maxSpeed);
        DrawUnits(canvas, r);
    }
    m_dialFace = dial;
    m_dialMaxSpeed = maxSpeed;
}

void BrakingScene::DrawDial(QImage& picture, Canvas& canvas) const
{
    const int left = ToDevice(kDialLeft);
    const int top = ToDevice(kDialTop);
    for (std::size_t i = 0; i < m_discLeft.size(); ++i)
        ShadeRow(picture, top + int(i), left + m_discLeft[i], left + m_discRight[i], dark);
    canvas.Draw(kDialLeft, kDialTop, m_dialFace);
}

void BrakingScene::DrawNeedle(Canvas& canvas, double speedKmh) const
{
    const int r = m_dialRadius;
    const double a = kZeroAngle - speedKmh * (2 * std::numbers::pi - 2 * kGapAngle) / 180;
    const QPoint tip = AtAngle(r, a, r - 5);
    canvas.pen = CanvasPen{kRed, 2};
    canvas.MoveTo(kDialLeft + r, kDialTop + r);
    canvas.LineTo(kDialLeft + tip.x(), kDialTop + tip.y());
}
