// PlaceRecord: what a globe shows (a planet picture, a red marker and the
// angles the globe turns to) and the gravity at that place. A plain record,
// so that the models holding place tables need no drawing library.
#pragma once

#include <cstdint>

struct PlaceRecord
{
    std::uint8_t Picture = 0; // index in the planet picture table, 0 = none
    bool Marked = false; // draw a red marker on the map
    std::int32_t MarkRadius = 0; // 0 = a dot, else a dotted circle's radius in map pixels
    std::int32_t MarkX = 0; // map column of the marker; 1000 = the north pole band
    std::int32_t MarkY = 0; // map row of the marker
    std::int32_t Tilt = 0; // degrees, the value GlobeTilt is brought to
    std::int32_t Turn = 0; // degrees, the value GlobeTurn is brought to
    double Gravity = 0.0; // m/s^2
};
