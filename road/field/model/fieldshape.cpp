#include "road/field/model/fieldshape.h"

#include "canvas/textformat.h"

#include <algorithm>
#include <cmath>
#include <numbers>

int FieldAngleFor(int speedKmh)
{
    const int v = std::clamp(speedKmh, 0, kMaxVehicleSpeed);
    if (v == 0)
        return kRestFieldAngle;
    // Evaluated in this order so that every offered speed gives the
    // published whole degrees.
    return RoundHalfEven(v * (v * 0.005256) - v * 1.768 + 168.2);
}

FieldGeometry::FieldGeometry(int displayWidth, int displayHeight)
    : m_width(std::max(displayWidth, 1)),
      m_height(std::max(displayHeight, 1))
{ }

int FieldGeometry::ColumnAt(double metres) const
{
    return RoundHalfEven(metres * PixelsPerMetre());
}

int FieldGeometry::RowAt(double metresFromBottom) const
{
    return m_height - RoundHalfEven(metresFromBottom * PixelsPerMetre());
}

std::vector<FieldSpan> ComputeField(const FieldGeometry& geometry, int angleDegrees)
{
    const int angle = std::clamp(angleDegrees, 0, 179);
    // The tangent of half the angle: how far the field spreads sideways
    // for each row ahead.
    const double spread = std::tan(angle * 0.002777777777777778 * std::numbers::pi);
    const int eyeX = geometry.EyeX();
    const int width = geometry.DisplayWidth();
    // Rows eyeY..1 only: an eye below the display gives rows that exist.
    const int rowCount = std::clamp(geometry.EyeY(), 0, geometry.DisplayHeight());
    std::vector<FieldSpan> rows;
    rows.reserve(static_cast<std::size_t>(rowCount));
    for (int j = 0; j < rowCount; ++j) {
        const int d = RoundHalfEven(spread * j);
        rows.push_back({std::max(0, eyeX - d), std::min(width, eyeX + d)});
    }
    return rows;
}
