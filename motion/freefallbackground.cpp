#include "motion/freefallbackground.h"

#include "app/settings/appsettings.h"
#include "canvas/textformat.h"

namespace {

constexpr int kMajorTick = 6;
constexpr int kMiddleTick = 4;
constexpr int kMinorTick = 2;

void line(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

void tick(Canvas& c, int y, int size)
{
    line(c, FreeFallRuleX - size, y, FreeFallRuleX, y);
}

// A labelled tick every 20 cm, a longer one every 10 cm, short ones every 2.
void drawRule(Canvas& c, const RuleGeometry& rule, std::int32_t heightUm)
{
    const double perCm = rule.length / (heightUm * 0.0001);
    const int bottom = rule.top + rule.length;
    line(c, FreeFallRuleX, rule.top, FreeFallRuleX, bottom + 1);
    double y = rule.top;
    for (int label = 0; bottom + 1 > y; label += 20, y += 20 * perCm) {
        const int row = RoundHalfEven(y);
        tick(c, row, kMajorTick);
        const QString text = QString::number(label);
        c.TextOut(FreeFallRuleX - 7 - c.TextWidth(text), row - c.TextHeight(text) / 2, text);
        for (int k = 1; k <= 9; ++k) {
            const double at = y + 2 * k * perCm;
            if (bottom > at)
                tick(c, RoundHalfEven(at), k == 5 ? kMiddleTick : kMinorTick);
        }
    }
    const QString title = QStringLiteral("Hauteur ( cm )");
    c.TextOut(FreeFallRuleX - 5 - c.TextWidth(title), 2, title);
}

} // namespace

void DrawFreeFallBackground(Canvas& c, const RuleGeometry& rule, std::int32_t heightUm)
{
    c.pen = CanvasPen{AppSettings.clCadre};
    c.brush = CanvasBrush{AppSettings.clFond};
    c.Rectangle(0, 0, c.width(), c.height());

    c.pen.color = AppSettings.clTexte;
    c.font = CanvasFont{};
    c.font.setPointSize(7);
    c.font.bold = true;
    c.font.color = AppSettings.clTexte;
    drawRule(c, rule, heightUm);
}
