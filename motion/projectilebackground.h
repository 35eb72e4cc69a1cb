// The still part of the projectile's picture: frame, metric axes and the
// information block.
#pragma once

#include "canvas/canvas.h"

#include <QString>
#include <array>

// Origin of the graph: 25 pixels from the left edge, 20 above the bottom.
constexpr int ProjectileOriginX = 25;
constexpr int ProjectileOriginBottom = 20;
// 100 m span the canvas from the origin to its right edge.
constexpr int ProjectileAxisMetres = 100;

// Millimetres per pixel for a canvas `width` pixels wide (at least 1).
int ProjectileWorldScale(int width);

void DrawProjectileBackground(Canvas& canvas, const std::array<QString, 5>& infoLines);
