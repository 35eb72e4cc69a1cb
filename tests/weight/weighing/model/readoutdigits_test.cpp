// The scale's readout: the digits of every object at every place against
// the weight worked out exactly in decimal, the ranges and the colours.
#include "weight/weighing/model/placetable.h"
#include "weight/weighing/model/readoutdigits.h"
#include "weight/weighing/model/weighingobjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace {

// The readout as text: "0.01600", "313920", "DEPASSE".
std::string Shown(const ScaleReadout& readout)
{
    if (readout.overflow)
        return "DEPASSE";
    std::string text;
    for (int k = 0; k < kReadoutDigits; ++k) {
        text += char('0' + readout.digits[std::size_t(k)]);
        if (k + 1 == readout.pointAfter)
            text += '.';
    }
    return text;
}

// A table value as a whole number of 10^-decimals units; fails when the
// value has more decimals than that.
std::int64_t Units(double value, int decimals)
{
    const double scaled = value * std::pow(10.0, decimals);
    const auto units = std::llround(scaled);
    EXPECT_NEAR(scaled, double(units), 1e-6) << value << " has more than " << decimals << " decimals";
    return units;
}

// The readout of `e` hundred-thousandths of a newton, in integers only:
// rounded half up at each range's resolution, the range chosen after.
std::string ExactReadout(std::int64_t e)
{
    std::int64_t unit = 1;
    for (int decimals = 5; decimals >= 0; --decimals, unit *= 10) {
        const std::int64_t n = (e + unit / 2) / unit;
        if (n >= 1'000'000)
            continue;
        std::string digits = std::to_string(n);
        digits.insert(0, std::size_t(6) - digits.size(), '0');
        if (decimals > 0)
            digits.insert(std::size_t(6 - decimals), 1, '.');
        return digits;
    }
    return "DEPASSE";
}

} // namespace

TEST(Readout, EveryObjectAtEveryPlaceReadsItsExactWeight)
{
    int pairs = 0;
    for (int object = 1; object < kObjectCount; ++object) {
        for (int place = 1; place < kPlaceCount; ++place) {
            const std::int64_t exact = Units(ObjectMass(object), 3) * Units(PlaceGravity(place), 2);
            EXPECT_EQ(Shown(ReadoutFor(ObjectMass(object) * PlaceGravity(place))), ExactReadout(exact))
                << "object " << object << " at place " << place;
            ++pairs;
        }
    }
    EXPECT_EQ(pairs, 17 * 14);
}

TEST(Readout, RangesPointAndOverflow)
{
    const struct
    {
        const char* name;
        double newtons;
        const char* shown;
    } cases[] = {
        {"snail_on_the_old_pluto", 0.016, "0.01600"},
        {"nothing", 0.0, "0.00000"},
        {"negative_reads_nothing", -3.0, "0.00000"},
        {"undefined_reads_nothing", std::nan(""), "0.00000"},
        {"one_kilogram_on_venus", 1.0 * 8.87, "8.87000"},
        {"rounds_up_into_the_next_range", 9.999996, "10.0000"},
        {"apatosaurus_at_paris", 32000 * 9.81, "313920"},
        {"largest_shown", 999999.4, "999999"},
        {"rounds_to_a_million", 999999.6, "DEPASSE"},
        {"apatosaurus_on_the_sun", 32000 * 280.0, "DEPASSE"},
        {"far_beyond", 1e300, "DEPASSE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(ReadoutFor(c.newtons)), c.shown) << c.name;
}

TEST(ReadoutColours, CycleFromTheStoredColourAndBackToTheFirst)
{
    EXPECT_EQ(NextReadoutColour(0x6666FF), 0xE0E0E0u);
    EXPECT_EQ(NextReadoutColour(0xD7A987), 0xC0C0C0u);
    // The default green is not in the list: the first click starts it.
    EXPECT_EQ(NextReadoutColour(0x00FF00), 0xC0C0C0u);
}
