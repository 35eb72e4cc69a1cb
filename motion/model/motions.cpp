#include "motion/model/motions.h"

#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kG = 9.81;
constexpr int kMaxInfoLength = 30;
constexpr int kRuleTop = 20;
constexpr int kRuleBottomMargin = 15;

QString InfoLine(const QString& text)
{
    return text.left(kMaxInfoLength);
}

QString OneDecimal(double value)
{
    return FormatFixed(value, 3, 1);
}

} // namespace

// ---- projectile

ProjectileMotion ComputeProjectile(int launchSpeed, int launchAngleDeg)
{
    const double v0 = launchSpeed;
    const double a = launchAngleDeg * std::numbers::pi * (1.0 / 180);
    const double s = std::sin(a);
    const double c = std::cos(a);
    const double flightTime = 2 * v0 / kG * s;
    const int n = int(flightTime * 20);

    ProjectileMotion motion;
    motion.ball.Reserve(n + 1);
    double t = 0;
    for (int i = 1; i <= n; ++i) {
        motion.ball.Append(
            {RoundHalfEven(v0 * c * t * 1000), RoundHalfEven((t * t * (-0.5 * kG) + v0 * s * t) * 1000)});
        t += MotionFrameSeconds;
    }
    const double range = v0 * v0 * std::sin(2 * a) / kG;
    motion.ball.Append({RoundHalfEven(range * 1000), 0});

    const double height = v0 * v0 * 0.5 / kG * s * s;
    const double time = s * 2 * v0 / kG;
    motion.infoLines = {
        InfoLine(QStringLiteral("Angle de tir : %1° ").arg(launchAngleDeg)),
        InfoLine(QStringLiteral("Vitesse initiale : %1 m/s ").arg(launchSpeed)),
        InfoLine(QStringLiteral("Distance atteinte : ") + OneDecimal(range) + QStringLiteral(" m ")),
        InfoLine(QStringLiteral("Hauteur atteinte : ") + OneDecimal(height) + QStringLiteral(" m ")),
        InfoLine(QStringLiteral("Temps de vol : ") + OneDecimal(time) + QStringLiteral(" s ")),
    };
    motion.flightTimeS = time;
    return motion;
}

QString LaunchSpeedText(int launchSpeed)
{
    return QStringLiteral(" %1 m/s").arg(launchSpeed);
}

QString LaunchAngleText(int launchAngleDeg)
{
    return QStringLiteral(" %1 °").arg(launchAngleDeg);
}

// ---- free fall

std::int32_t ClampDropHeight(std::int32_t heightUm)
{
    return std::clamp(heightUm, MinDropHeightUm, MaxDropHeightUm);
}

FrameTable ComputeFreeFall(std::int32_t heightUm)
{
    const int n = int(std::sqrt(2 * (heightUm * 0.000001) / kG) * 20) + 1;
    FrameTable ball;
    ball.Reserve(n + 1);
    double t = 0;
    for (int i = 1; i <= n; ++i) {
        ball.Append({0, RoundHalfEven((t * t * (-0.5 * kG)) * 1000000)});
        t += MotionFrameSeconds;
    }
    ball.Append({0, -heightUm});
    return ball;
}

double FreeFallLandingTime(std::int32_t heightUm)
{
    return std::sqrt(2 * (heightUm * 0.000001) / kG);
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

// ---- wheel

std::array<FrameTable, 3> ComputeWheel()
{
    constexpr double kWheelR = WheelRadius;
    constexpr double kWheelStep = 2 * std::numbers::pi / 21;
    constexpr double kHalfPi = std::numbers::pi / 2;
    std::array<FrameTable, 3> points;
    for (FrameTable& table : points)
        table.Reserve(WheelFrameCount);
    // Each point's angle restarts from 0 and grows by repeated addition.
    double theta = 0;
    for (int k = 1; k <= WheelFrameCount; ++k, theta += kWheelStep)
        points[0].Append({RoundHalfEven((theta + std::cos(theta - kHalfPi)) * kWheelR),
                          WheelGroundY - RoundHalfEven((1 - std::sin(theta - kHalfPi)) * kWheelR)});
    theta = 0;
    for (int k = 1; k <= WheelFrameCount; ++k, theta += kWheelStep)
        points[1].Append({RoundHalfEven((theta + 0.5 * std::cos(theta + kHalfPi)) * kWheelR),
                          WheelGroundY - RoundHalfEven((1 - 0.5 * std::sin(theta + kHalfPi)) * kWheelR)});
    theta = 0;
    for (int k = 1; k <= WheelFrameCount; ++k, theta += kWheelStep)
        points[2].Append({RoundHalfEven(kWheelR * theta), WheelGroundY - RoundHalfEven(kWheelR)});
    return points;
}

// ---- disc

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kR = DiscRadius;
constexpr double kStep = 2 * kPi / (DiscFrameCount - 1);

// A point turning at `fraction` of the radius from `start`, as absolute
// canvas positions.
FrameTable TurningPoint(double start, double fraction)
{
    FrameTable table;
    table.Reserve(DiscFrameCount);
    double theta = start;
    for (int k = 1; k <= DiscFrameCount; ++k, theta += kStep)
        table.Append({RoundHalfEven(std::cos(theta) * fraction * kR) + DiscCentreX,
                      DiscCentreY - RoundHalfEven(std::sin(theta) * fraction * kR)});
    return table;
}

FrameTable RimDirection(double start)
{
    FrameTable table;
    table.Reserve(DiscFrameCount);
    double theta = start;
    for (int k = 1; k <= DiscFrameCount; ++k, theta += kStep)
        table.Append({RoundHalfEven(std::cos(theta) * kR), RoundHalfEven(std::sin(theta) * kR)});
    return table;
}

} // namespace

DiscMotion ComputeDisc()
{
    DiscMotion disc;
    disc.points[0] = TurningPoint(0, 0.95);
    disc.points[1] = TurningPoint(kPi / 2, 0.5);
    for (int k = 1; k <= DiscFrameCount; ++k)
        disc.points[2].Append({DiscCentreX, DiscCentreY});
    disc.rimDirections = {RimDirection(2 + kPi / 2), RimDirection(2 + 3 * kPi / 2), RimDirection(kPi / 2),
                          RimDirection(kPi / 2 + 0.8)};
    return disc;
}
