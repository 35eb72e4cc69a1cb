#include "weight/model/placetable.h"

namespace {

// Pictures of the planet picture table.
constexpr std::uint8_t kMercure = 1, kVenus = 2, kTerre = 3, kMars = 4, kJupiter = 5, kSaturne = 6, kUranus = 7,
                       kNeptune = 8, kPluton = 9, kLune = 10, kSoleil = 11;

// A body seen without a marker: the unused marker sits at (200, 48).
constexpr PlaceRecord Body(std::uint8_t picture, int tilt, int turn, double gravity)
{
    return {picture, false, 0, 200, 48, tilt, turn, gravity};
}

// A red dot on the Earth map (642 columns from 180 degrees west, 321 rows
// from the North Pole).
constexpr PlaceRecord OnEarth(int markX, int markY, int tilt, int turn, double gravity)
{
    return {kTerre, true, 0, markX, markY, tilt, turn, gravity};
}

} // namespace

// Gravities on the Earth are the local values (latitude and height); on the
// other bodies, G M / R^2 at the equator (for the giant planets at the
// level where the pressure is 1 bar), rotation left out.
const std::array<PlaceRecord, kPlaceCount> PlaceTable = {{
    Body(0, 0, 0, 0.0),
    OnEarth(325, 74, -48, 176, 9.81), // Paris, 48.86 N 2.35 E
    OnEarth(1000, 48, -90, 180, 9.83), // North Pole: a band along the top
    OnEarth(333, 78, -46, 173, 9.79), // Mont Blanc, 45.83 N 6.86 E, 4 806 m
    OnEarth(180, 159, 0, 258, 9.78), // Quito, 0.22 S 78.47 W, 2 850 m
    Body(kMercure, -29, 66, 3.70),
    Body(kVenus, 35, 160, 8.87),
    Body(kMars, -16, 275, 3.72),
    Body(kJupiter, 0, 128, 24.79),
    Body(kSaturne, -31, 273, 10.44),
    Body(kUranus, -33, 78, 8.87),
    Body(kNeptune, -6, 184, 11.15),
    Body(kPluton, 15, 117, 0.62),
    Body(kSoleil, -13, 239, 274.0),
    Body(kLune, -43, 164, 1.62),
}};

double PlaceGravity(int place)
{
    return place >= 0 && place < kPlaceCount ? PlaceTable[std::size_t(place)].Gravity : 0.0;
}
