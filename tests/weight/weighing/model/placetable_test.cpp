// The places: gravities against Newton's law, and the place texts read
// three lines at a time.
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/model/placetexts.h"

#include <gtest/gtest.h>

namespace {

// Standard gravitational parameters (m^3/s^2) and equatorial radii (m; the
// Earth's mean radius, the giant planets' at 1 bar).
struct Body
{
    const char* name;
    int place;
    double gm;
    double radiusM;
};

constexpr double kEarthGm = 3.986004418e14;
constexpr double kEarthRadius = 6.371e6;

const Body kBodies[] = {
    {"paris", 1, kEarthGm, kEarthRadius},      {"north_pole", 2, kEarthGm, kEarthRadius},
    {"mont_blanc", 3, kEarthGm, kEarthRadius}, {"quito", 4, kEarthGm, kEarthRadius},
    {"mercury", 5, 2.2032e13, 2.4397e6},       {"venus", 6, 3.24859e14, 6.0518e6},
    {"mars", 7, 4.282837e13, 3.3962e6},        {"jupiter", 8, 1.26686534e17, 7.1492e7},
    {"saturn", 9, 3.7931187e16, 6.0268e7},     {"uranus", 10, 5.793939e15, 2.5559e7},
    {"neptune", 11, 6.836529e15, 2.4764e7},    {"pluto", 12, 8.696e11, 1.1883e6},
    {"sun", 13, 1.32712440018e20, 6.957e8},    {"moon", 14, 4.9048695e12, 1.7374e6},
};

QString Lines(int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("L%1\r\n").arg(i);
    return text;
}

} // namespace

TEST(PlaceTable, EveryGravityWithinThreePercentOfNewton)
{
    for (const Body& body : kBodies) {
        const double newton = body.gm / (body.radiusM * body.radiusM);
        EXPECT_NEAR(PlaceGravity(body.place), newton, 0.03 * newton) << body.name;
    }
}

TEST(PlaceTable, EarthMarkersSitAtTheirTrueCoordinates)
{
    // The map: 642 columns from 180 degrees west, 321 rows from the North
    // Pole; a marker is centred on its pixel.
    const struct
    {
        const char* name;
        int place;
        double latitude;
        double longitude;
    } cities[] = {
        {"paris", 1, 48.857, 2.352},
        {"mont_blanc", 3, 45.833, 6.865},
        {"quito", 4, -0.220, -78.468},
    };
    for (const auto& city : cities) {
        const PlaceRecord& record = PlaceTable[std::size_t(city.place)];
        EXPECT_TRUE(record.Marked) << city.name;
        EXPECT_NEAR(record.MarkX, (city.longitude + 180.0) * 642.0 / 360.0 - 0.5, 1.5) << city.name;
        EXPECT_NEAR(record.MarkY, (90.0 - city.latitude) * 321.0 / 180.0 - 0.5, 1.5) << city.name;
    }
}

TEST(PlaceTexts, WholeGroupsOfThreeLinesAtMostOnePerPlace)
{
    const PlaceTexts texts = ParsePlaceTexts(Lines(8), kPlaceCount);
    ASSERT_EQ(texts.Count(), 2);
    EXPECT_EQ(texts.details[1], QStringLiteral("L5"));
    EXPECT_EQ(texts.Name(2), QString());
    EXPECT_EQ(ParsePlaceTexts(Lines(3 * kPlaceCount + 9), kPlaceCount).Count(), kPlaceCount);
    EXPECT_EQ(ParsePlaceTexts(QStringLiteral("a\nb\nc"), kPlaceCount).Count(), 1);
}
