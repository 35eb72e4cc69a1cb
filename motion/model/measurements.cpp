#include "motion/model/measurements.h"

#include "motion/model/motions.h"

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

constexpr int kTimeDecimals = 3;
// Seconds between two frames of the wheel and the disc (their own step is
// an angle).
constexpr double kTurnFrameSeconds = 0.05;

MeasurementColumn TimeColumn()
{
    return {QStringLiteral("t"), QStringLiteral("s"), kTimeDecimals};
}

// The time, then each point's x and y in metres (and its angle in degrees
// when `withAngle`), for the wheel's and the disc's tables.
void AddPointColumns(MeasurementTable& table, std::initializer_list<const char*> names, bool withAngle)
{
    table.columns.push_back(TimeColumn());
    for (const char* name : names) {
        table.columns.push_back({QStringLiteral("x") + QLatin1String(name), QStringLiteral("m"), 4});
        table.columns.push_back({QStringLiteral("y") + QLatin1String(name), QStringLiteral("m"), 4});
        if (withAngle)
            table.columns.push_back({QStringLiteral("θ") + QLatin1String(name), QStringLiteral("°"), 1});
    }
}

// The frames that carry a cross of `point` at the end of the film, by the
// player's own trace rule.
std::vector<int> MarkedFrames(MotionKind kind, int point, int count)
{
    std::vector<int> frames;
    for (int f = 1; f <= count; ++f)
        if (FrameTraced(kind, point, f, count))
            frames.push_back(f);
    return frames;
}

// Frames 0.05 s apart, but for the last, which lands at `landingTime`.
double FrameTime(int frame, int count, double landingTime)
{
    return frame < count ? (frame - 1) * MotionFrameSeconds : landingTime;
}

// The angle of (x, y) in degrees, counted on from `previous` so that a
// turning point's angle grows past 360° instead of jumping back.
double UnwrappedAngle(double x, double y, double previous, bool first)
{
    const double angle = std::atan2(y, x) * 180 / std::numbers::pi;
    if (first)
        return angle < 0 ? angle + 360 : angle;
    return previous + std::remainder(angle - previous, 360.0);
}

QString JoinedRow(const QStringList& cells, QChar separator)
{
    return cells.join(separator) + QStringLiteral("\r\n");
}

QString TableText(const MeasurementTable& table, QChar separator)
{
    QStringList names;
    QStringList units;
    for (const MeasurementColumn& column : table.columns) {
        names << column.name;
        units << column.unit;
    }
    QString text = JoinedRow(names, separator) + JoinedRow(units, separator);
    for (const std::vector<double>& row : table.rows) {
        QStringList cells;
        for (std::size_t c = 0; c < row.size() && c < table.columns.size(); ++c)
            cells << DecimalComma(row[c], table.columns[c].decimals);
        text += JoinedRow(cells, separator);
    }
    return text;
}

} // namespace

MeasurementTable ProjectileMeasurements(int launchSpeed, int launchAngleDeg)
{
    const ProjectileMotion motion = ComputeProjectile(launchSpeed, launchAngleDeg);
    const int count = motion.ball.Count();
    MeasurementTable table;
    table.columns
        = {TimeColumn(), {QStringLiteral("x"), QStringLiteral("m"), 3}, {QStringLiteral("y"), QStringLiteral("m"), 3}};
    for (int f : MarkedFrames(MotionKind::Projectile, PointB, count)) {
        const FramePos& p = motion.ball.At(f);
        table.rows.push_back({FrameTime(f, count, motion.flightTimeS), p.x / 1000.0, p.y / 1000.0});
    }
    return table;
}

MeasurementTable FreeFallMeasurements(std::int32_t heightUm)
{
    const FrameTable ball = ComputeFreeFall(heightUm);
    const int count = ball.Count();
    MeasurementTable table;
    table.columns = {TimeColumn(), {QStringLiteral("y"), QStringLiteral("cm"), 4}};
    for (int f : MarkedFrames(MotionKind::FreeFall, PointB, count))
        table.rows.push_back({FrameTime(f, count, FreeFallLandingTime(heightUm)), -ball.At(f).y / 10000.0});
    return table;
}

MeasurementTable WheelMeasurements()
{
    const auto points = ComputeWheel();
    const double metresPerUnit = WheelRadiusMetres / WheelRadius;
    MeasurementTable table;
    AddPointColumns(table, {"A", "B", "C"}, false);
    for (int f : MarkedFrames(MotionKind::Wheel, PointA, WheelFrameCount)) {
        std::vector<double> row{(f - 1) * kTurnFrameSeconds};
        for (const FrameTable& point : points) {
            row.push_back(point.At(f).x * metresPerUnit);
            row.push_back((WheelGroundY - point.At(f).y) * metresPerUnit);
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

MeasurementTable DiscMeasurements()
{
    const DiscMotion disc = ComputeDisc();
    const double metresPerUnit = DiscRadiusMetres / DiscRadius;
    MeasurementTable table;
    AddPointColumns(table, {"A", "B"}, true);
    // The centre C never moves: it is the origin.
    std::vector<double> angles{0, 0};
    bool first = true;
    for (int f : MarkedFrames(MotionKind::Disc, PointA, DiscFrameCount)) {
        std::vector<double> row{(f - 1) * kTurnFrameSeconds};
        for (std::size_t p = 0; p < 2; ++p) {
            const double x = (disc.points[p].At(f).x - DiscCentreX) * metresPerUnit;
            const double y = (DiscCentreY - disc.points[p].At(f).y) * metresPerUnit;
            angles[p] = UnwrappedAngle(x, y, angles[p], first);
            row.insert(row.end(), {x, y, angles[p]});
        }
        first = false;
        table.rows.push_back(std::move(row));
    }
    return table;
}

QString DecimalComma(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0)
        rounded = 0; // no "-0,00"
    QString text = QString::number(rounded, 'f', decimals);
    text.replace(u'.', u',');
    return text;
}

QString MeasurementsText(const MeasurementTable& table)
{
    return TableText(table, u'\t');
}

QByteArray MeasurementsCsv(const MeasurementTable& table)
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + TableText(table, u';').toUtf8();
}

QString ProjectileFileStem(int launchSpeed, int launchAngleDeg)
{
    return QStringLiteral("projectile_%1ms_%2deg").arg(launchSpeed).arg(launchAngleDeg);
}

QString FreeFallFileStem(std::int32_t heightUm)
{
    return QStringLiteral("chute_libre_%1cm").arg(heightUm / 10000);
}

QString WheelFileStem()
{
    return QStringLiteral("roue");
}

QString DiscFileStem()
{
    return QStringLiteral("disque");
}
