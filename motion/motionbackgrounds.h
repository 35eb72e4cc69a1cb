// The still parts of the motion pictures: the framed ground every motion
// window draws first, the projectile's metric axes and information block,
// and the free fall's rule in centimetres.
#pragma once

#include "canvas/canvas.h"
#include "motion/model/motions.h"

#include <QString>
#include <array>

// The whole canvas in the background colour, framed in the frame colour;
// the pen and brush stay so.
void DrawMotionGround(Canvas& canvas);

// Origin of the projectile's graph: 25 pixels from the left edge, 20 above
// the bottom.
constexpr int ProjectileOriginX = 25;
constexpr int ProjectileOriginBottom = 20;
// 100 m span the canvas from the origin to its right edge.
constexpr int ProjectileAxisMetres = 100;

// Millimetres per pixel for a canvas `width` pixels wide (at least 1).
int ProjectileWorldScale(int width);
// Pixels per metre of the axes: the ball's scale, so the right edge may
// fall a little short of 100 m.
double ProjectilePixelsPerMetre(int width);

// Ground, axes in metres and the information block.
void DrawProjectileBackground(Canvas& canvas, const std::array<QString, 5>& infoLines);

// Column of the free fall's rule and of the ball's centre.
constexpr int FreeFallRuleX = 75;
constexpr int FreeFallBallX = 90;

// Ground and the vertical rule in centimetres from the release point down
// to the floor.
void DrawFreeFallBackground(Canvas& canvas, const RuleGeometry& rule, std::int32_t heightUm);
