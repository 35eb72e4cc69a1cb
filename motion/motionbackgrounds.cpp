#include "motion/motionbackgrounds.h"

#include "app/settings/appsettings.h"
#include "canvas/textformat.h"

#include <algorithm>

namespace {

constexpr int kMajorTick = 6;
constexpr int kMiddleTick = 4;
constexpr int kMinorTick = 2;

void Line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The axes' and the rule's lines and labels: the text colour, 7 points bold.
void UseScaleStyle(Canvas& c)
{
    c.pen.color = AppSettings.clTexte;
    c.brush.color = AppSettings.clFond;
    c.brush.style = BrushStyle::Solid;
    c.font = CanvasFont{};
    c.font.SetPointSize(7);
    c.font.bold = true;
    c.font.color = AppSettings.clTexte;
}

// Distance, along the bottom: a labelled tick every 10 m, a longer one at
// 5 m and short ones for each metre.
void DrawHorizontalAxis(Canvas& c, int x0, int y0, int length, double perMetre)
{
    Line(c, x0, y0, x0 + length, y0);
    double x = x0;
    for (int label = 0; RoundHalfEven(x) <= x0 + length; label += 10, x += 10 * perMetre) {
        const int tick = RoundHalfEven(x);
        Line(c, tick, y0, tick, y0 + kMajorTick);
        const QString text = QString::number(label);
        c.TextOut(tick - c.TextWidth(text) / 2, y0 + 7, text);
        for (int k = 1; k <= 9; ++k) {
            const double at = x + k * perMetre;
            if (x0 + length <= at)
                continue;
            const int size = k == 5 ? kMiddleTick : kMinorTick;
            Line(c, RoundHalfEven(at), y0, RoundHalfEven(at), y0 + size);
        }
    }
    const QString title = QStringLiteral("Distance ( m )");
    c.TextOut(x0 + length - 5 - c.TextWidth(title), y0 - c.TextHeight(title) - 1, title);
}

// Height, up the left side, at the same scale as the distance.
void DrawVerticalAxis(Canvas& c, int x0, int y0, double perMetre)
{
    Line(c, x0, y0, x0, 0);
    double y = y0;
    for (int label = 0; y >= 0; label += 10, y -= 10 * perMetre) {
        const int tick = RoundHalfEven(y);
        Line(c, x0 - kMajorTick, tick, x0, tick);
        const QString text = QString::number(label);
        c.TextOut(x0 - 7 - c.TextWidth(text), tick - c.TextHeight(text) / 2, text);
        for (int k = 1; k <= 9; ++k) {
            // A tick on row 0 or above would sit on the frame.
            const int at = RoundHalfEven(y - k * perMetre);
            if (at <= 0)
                continue;
            const int size = k == 5 ? kMiddleTick : kMinorTick;
            Line(c, x0 - size, at, x0, at);
        }
    }
    c.TextOut(x0 + 4, 3, QStringLiteral("Hauteur ( m )"));
}

void DrawInfoBlock(Canvas& c, const std::array<QString, 5>& infoLines)
{
    c.font = CanvasFont{};
    c.font.color = AppSettings.clTexte;
    c.brush.color = AppSettings.clFond;
    c.brush.style = BrushStyle::Solid;
    int widest = 0;
    for (const QString& text : infoLines)
        widest = std::max(widest, c.TextWidth(text + QStringLiteral("  ")));
    const int left = c.Width() - widest;
    for (int i = 1; i <= int(infoLines.size()); ++i)
        c.TextOut(left, 15 * i - 10, infoLines[std::size_t(i - 1)]);
}

// A labelled tick every 20 cm, a longer one every 10 cm, short ones every 2.
void DrawRule(Canvas& c, const RuleGeometry& rule, std::int32_t heightUm)
{
    const double perCm = rule.length / (heightUm * 0.0001);
    const int bottom = rule.top + rule.length;
    Line(c, FreeFallRuleX, rule.top, FreeFallRuleX, bottom + 1);
    double y = rule.top;
    for (int label = 0; bottom + 1 > y; label += 20, y += 20 * perCm) {
        const int row = RoundHalfEven(y);
        Line(c, FreeFallRuleX - kMajorTick, row, FreeFallRuleX, row);
        const QString text = QString::number(label);
        c.TextOut(FreeFallRuleX - 7 - c.TextWidth(text), row - c.TextHeight(text) / 2, text);
        for (int k = 1; k <= 9; ++k) {
            const double at = y + 2 * k * perCm;
            if (bottom > at) {
                const int size = k == 5 ? kMiddleTick : kMinorTick;
                Line(c, FreeFallRuleX - size, RoundHalfEven(at), FreeFallRuleX, RoundHalfEven(at));
            }
        }
    }
    const QString title = QStringLiteral("Hauteur ( cm )");
    c.TextOut(FreeFallRuleX - 5 - c.TextWidth(title), 2, title);
}

} // namespace

void DrawMotionGround(Canvas& c)
{
    c.pen = CanvasPen{AppSettings.clCadre};
    c.brush = CanvasBrush{AppSettings.clFond};
    c.Rectangle(0, 0, c.Width(), c.Height());
}

int ProjectileWorldScale(int width)
{
    return std::max(1, ProjectileAxisMetres * 1000 / std::max(1, width - ProjectileOriginX));
}

double ProjectilePixelsPerMetre(int width)
{
    return 1000.0 / ProjectileWorldScale(width);
}

void DrawProjectileBackground(Canvas& c, const std::array<QString, 5>& infoLines)
{
    const int w = c.Width();
    const int h = c.Height();
    DrawMotionGround(c);
    const int x0 = ProjectileOriginX;
    const int y0 = h - ProjectileOriginBottom;
    UseScaleStyle(c);
    // The ball is placed with the whole millimetres per pixel of
    // ProjectileWorldScale: graduated at the exact width / 100 instead, the
    // axes would drift from it by up to a metre or two.
    const double perMetre = ProjectilePixelsPerMetre(w);
    DrawHorizontalAxis(c, x0, y0, w - x0, perMetre);
    DrawVerticalAxis(c, x0, y0, perMetre);
    DrawInfoBlock(c, infoLines);
}

void DrawFreeFallBackground(Canvas& c, const RuleGeometry& rule, std::int32_t heightUm)
{
    DrawMotionGround(c);
    UseScaleStyle(c);
    DrawRule(c, rule, heightUm);
}
