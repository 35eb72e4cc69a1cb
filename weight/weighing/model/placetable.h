// The places where an object can be weighed: what each globe shows and the
// acceleration of gravity there.
#pragma once

#include "raster/placerecord.h"

#include <array>

constexpr int kPlaceCount = 15;

// Index 0 is the empty choice; 1..4 are on the Earth, then Mercury, Venus,
// Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, the Sun and the Moon.
extern const std::array<PlaceRecord, kPlaceCount> PlaceTable;

// m/s^2 (N/kg); 0 for an index outside the table.
double PlaceGravity(int place);
