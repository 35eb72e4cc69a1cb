#include "motion/freefallmodel.h"

#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kG = 9.81;
constexpr double kFrameSeconds = 0.05;
constexpr int kRuleTop = 20;
constexpr int kRuleBottomMargin = 15;

} // namespace

std::int32_t ClampDropHeight(std::int32_t heightUm)
{
    return std::clamp(heightUm, MinDropHeightUm, MaxDropHeightUm);
}

FrameTable ComputeFreeFall(std::int32_t heightUm)
{
    const int n = int(std::sqrt(2 * (heightUm * 0.000001) / kG) * 20) + 1;
    FrameTable ball;
    ball.reserve(n + 1);
    double t = 0;
    for (int i = 1; i <= n; ++i) {
        ball.append({0, RoundHalfEven((t * t * (-0.5 * kG)) * 1000000)});
        t += kFrameSeconds;
    }
    ball.append({0, -heightUm});
    return ball;
}

QString DropHeightText(std::int32_t heightUm)
{
    return QStringLiteral(" %1 cm").arg(heightUm / 10000);
}

RuleGeometry FreeFallRule(int canvasHeight, std::int32_t heightUm)
{
    RuleGeometry rule;
    rule.top = kRuleTop;
    rule.length = std::max(1, canvasHeight - kRuleTop - kRuleBottomMargin);
    // A canvas taller than the drop has micrometres would give a scale of 0.
    rule.worldScale = std::max(1, heightUm / rule.length);
    return rule;
}

QString CursorDisplayText(int cursorY, const RuleGeometry& rule)
{
    if (cursorY == NoCursor)
        return QStringLiteral("Curseur absent       ");
    if (cursorY < rule.top || cursorY > rule.top + rule.length)
        return QStringLiteral("Curseur hors règle ");
    const double depthCm = double(cursorY - rule.top) * rule.worldScale * 0.0001;
    return QStringLiteral("Curseur : ") + FormatFixed(depthCm, 0, 1) + QStringLiteral(" cm    ");
}
