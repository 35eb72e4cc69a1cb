#include "motion/model/framedescription.h"

#include "motion/model/motions.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kG = 9.81;
constexpr double kFrameSeconds = 0.05;
constexpr double kWheelTurnDeg = 360.0 / 21;
constexpr double kDiscTurnDeg = 360.0 / (DiscFrameCount - 1);

// A decimal comma whatever the locale, and no "-0,0".
QString Number(double value, int decimals)
{
    const double unit = std::pow(10.0, decimals);
    double rounded = std::round(value * unit) / unit;
    if (rounded == 0)
        rounded = 0;
    return QString::number(rounded, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString FrameOf(int frame, int count)
{
    return QStringLiteral("Image %1 sur %2").arg(frame).arg(count);
}

// The films of the ball take a frame every 0.05 s; the last one, where the
// ball lands, at its own instant.
double SecondsOf(int frame, int count, double lastSeconds)
{
    return frame >= count ? lastSeconds : (frame - 1) * kFrameSeconds;
}

QString Rotation(double degrees)
{
    return QStringLiteral(", rotation %1°").arg(std::lround(degrees) % 360);
}

QString Point(const char* letter, double x, double y)
{
    return QStringLiteral("%1 : x = %2 R, y = %3 R").arg(QLatin1String(letter), Number(x, 2), Number(y, 2));
}

bool Holds(const FrameTable& table, int frame)
{
    return frame >= 1 && frame <= table.Count();
}

} // namespace

double ProjectileFlightSeconds(int launchSpeed, int launchAngleDeg)
{
    return 2.0 * launchSpeed / kG * std::sin(launchAngleDeg * std::numbers::pi / 180);
}

double FreeFallSeconds(std::int32_t heightUm)
{
    return std::sqrt(2 * (heightUm * 0.000001) / kG);
}

QString ProjectileFrameText(const FrameTable& ball, int frame, double flightSeconds)
{
    if (!Holds(ball, frame))
        return {};
    const FramePos& p = ball.At(frame);
    return FrameOf(frame, ball.Count()) + QStringLiteral(", t = ")
           + Number(SecondsOf(frame, ball.Count(), flightSeconds), 2) + QStringLiteral(" s, x = ")
           + Number(p.x / 1000.0, 1) + QStringLiteral(" m, y = ") + Number(p.y / 1000.0, 1) + QStringLiteral(" m");
}

QString FreeFallFrameText(const FrameTable& ball, int frame, std::int32_t heightUm)
{
    if (!Holds(ball, frame))
        return {};
    const FramePos& p = ball.At(frame);
    return FrameOf(frame, ball.Count()) + QStringLiteral(", t = ")
           + Number(SecondsOf(frame, ball.Count(), FreeFallSeconds(heightUm)), 2) + QStringLiteral(" s, chute = ")
           + Number(-p.y / 10000.0, 1) + QStringLiteral(" cm");
}

QString WheelFrameText(const std::array<FrameTable, 3>& points, int frame)
{
    for (const FrameTable& table : points)
        if (!Holds(table, frame))
            return {};
    const double r = WheelRadius;
    const double startX = points[PointC].At(1).x;
    QString text = FrameOf(frame, points[PointA].Count()) + Rotation((frame - 1) * kWheelTurnDeg);
    const char* letters[3] = {"A", "B", "C"};
    for (int p = 0; p < 3; ++p) {
        const FramePos& at = points[std::size_t(p)].At(frame);
        text += (p == 0 ? QStringLiteral(", ") : QStringLiteral(" ; "))
                + Point(letters[p], (at.x - startX) / r, (WheelGroundY - at.y) / r);
    }
    return text;
}

QString DiscFrameText(const std::array<FrameTable, 3>& points, int frame)
{
    if (!Holds(points[PointA], frame) || !Holds(points[PointB], frame))
        return {};
    const double r = DiscRadius;
    auto of = [&](const char* letter, const FramePos& at) {
        return Point(letter, (at.x - DiscCentreX) / r, (DiscCentreY - at.y) / r);
    };
    return FrameOf(frame, points[PointA].Count()) + Rotation((frame - 1) * kDiscTurnDeg) + QStringLiteral(", ")
           + of("A", points[PointA].At(frame)) + QStringLiteral(" ; ") + of("B", points[PointB].At(frame))
           + QStringLiteral(" ; C au centre");
}
