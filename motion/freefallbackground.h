// The still part of the free-fall picture: frame and the vertical rule in
// centimetres from the release point down to the floor.
#pragma once

#include "canvas/canvas.h"
#include "motion/freefallmodel.h"

// Column of the rule and of the ball's centre.
constexpr int FreeFallRuleX = 75;
constexpr int FreeFallBallX = 90;

void DrawFreeFallBackground(Canvas& canvas, const RuleGeometry& rule, std::int32_t heightUm);
