// What the motion picture shows at one frame, in words, for the screen
// reader that speaks the picture: the frame, the time (or the turn) and the
// positions, numbers with a decimal comma.
#pragma once

#include "motion/model/motionrules.h"

#include <QString>
#include <array>
#include <cstdint>

// Seconds from the launch to the landing, and from the release to the
// floor: the instants of the last frames of those two films.
double ProjectileFlightSeconds(int launchSpeed, int launchAngleDeg);
double FreeFallSeconds(std::int32_t heightUm);

// "Image 12 sur 87, t = 0,55 s, x = 11,7 m, y = 10,2 m": the ball from the
// launch point, y upward. `flightSeconds` dates the last frame.
QString ProjectileFrameText(const FrameTable& ball, int frame, double flightSeconds);

// "Image 5 sur 11, t = 0,20 s, chute = 19,6 cm": the distance fallen, as the
// rule reads it.
QString FreeFallFrameText(const FrameTable& ball, int frame, std::int32_t heightUm);

// "Image 12 sur 50, rotation 189°, A : x = 3,46 R, y = 1,52 R ; B : ...":
// A, B and the hub C in wheel radii, x from the hub's first place, y above
// the ground.
QString WheelFrameText(const std::array<FrameTable, 3>& points, int frame);

// "Image 12 sur 41, rotation 99°, A : x = -0,15 R, y = 0,94 R ; B : ... ;
// C au centre": A and B in disc radii from the centre, y upward.
QString DiscFrameText(const std::array<FrameTable, 3>& points, int frame);
