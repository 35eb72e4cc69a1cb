// The driver's visual field on a top view of the road: the angle a driver
// keeps at a given speed, and the columns that angle covers on each pixel
// row ahead of the driver's eye.
#pragma once

#include <vector>

// The field of a driver at rest, and of a heavily drunk driver whatever
// the speed, in degrees.
constexpr int kRestFieldAngle = 170;
constexpr int kDrunkFieldAngle = 30;

// The speeds the window offers, in km/h.
constexpr int kMaxVehicleSpeed = 120;
constexpr int kVehicleSpeedStep = 5;

// The field angle in whole degrees at `speedKmh`: 170 at rest, narrowing
// along a measured quadratic fit down to 32 at 120 km/h. Speeds outside
// 0..120 are taken at the nearest end: the fit is not meant beyond.
int FieldAngleFor(int speedKmh);

// One display of the road: 20 m across, whatever its size in pixels, the
// driver's eye 11.3 m from the left and 4.5 m above the bottom.
class FieldGeometry
{
public:
    // Sizes below one pixel count as one.
    FieldGeometry(int displayWidth, int displayHeight);

    int DisplayWidth() const { return m_width; }
    int DisplayHeight() const { return m_height; }
    double PixelsPerMetre() const { return m_width / 20.0; }

    // Metres across to a column, and metres above the bottom to a row,
    // rounded to the nearest pixel, halves to even.
    int ColumnAt(double metres) const;
    int RowAt(double metresFromBottom) const;

    int EyeX() const { return ColumnAt(11.3); }
    int EyeY() const { return RowAt(4.5); }

private:
    int m_width;
    int m_height;
};

// The field's horizontal extent on one pixel row; columns left and right
// are themselves outside the field (they are darkened with what lies
// beyond them).
struct FieldSpan
{
    int left;
    int right;

    bool operator==(const FieldSpan&) const = default;
};

// The field of `angleDegrees` (taken within 0..179) with the driver looking
// up the display: entry j is the span of row eyeY - j, from the eye row up
// to row 1; row 0 and rows above the display get none. Each span stays
// within 0..displayWidth.
std::vector<FieldSpan> ComputeField(const FieldGeometry& geometry, int angleDegrees);
