#include "motion/projectilemodel.h"

#include "canvas/textformat.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kG = 9.81;
constexpr double kFrameSeconds = 0.05;
constexpr int kMaxInfoLength = 30;

QString infoLine(const QString& text)
{
    return text.left(kMaxInfoLength);
}

QString oneDecimal(double value)
{
    return FormatFixed(value, 3, 1);
}

} // namespace

ProjectileMotion ComputeProjectile(int launchSpeed, int launchAngleDeg)
{
    const double v0 = launchSpeed;
    const double a = launchAngleDeg * std::numbers::pi * (1.0 / 180);
    const double s = std::sin(a);
    const double c = std::cos(a);
    const double flightTime = 2 * v0 / kG * s;
    const int n = int(flightTime * 20);

    ProjectileMotion motion;
    motion.ball.reserve(n + 1);
    double t = 0;
    for (int i = 1; i <= n; ++i) {
        motion.ball.append({RoundHalfEven(v0 * c * t * 1000),
                            RoundHalfEven((t * t * (-0.5 * kG) + v0 * s * t) * 1000)});
        t += kFrameSeconds;
    }
    const double range = v0 * v0 * std::sin(2 * a) / kG;
    motion.ball.append({RoundHalfEven(range * 1000), 0});

    const double height = v0 * v0 * 0.5 / kG * s * s;
    const double time = s * 2 * v0 / kG;
    motion.infoLines = {
        infoLine(QStringLiteral("Angle de tir : %1° ").arg(launchAngleDeg)),
        infoLine(QStringLiteral("Vitesse initiale : %1 m/s ").arg(launchSpeed)),
        infoLine(QStringLiteral("Distance atteinte : ") + oneDecimal(range) + QStringLiteral(" m ")),
        infoLine(QStringLiteral("Hauteur atteinte : ") + oneDecimal(height) + QStringLiteral(" m ")),
        infoLine(QStringLiteral("Temps de vol : ") + oneDecimal(time) + QStringLiteral(" s ")),
    };
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
