// The braking settings as the window's controls offer them: stored values
// the controls cannot show are mapped to the entry the controls show for
// them, and the controls' items and positions to the stored values.
#pragma once

constexpr int kMinSpeedKmh = 5;
constexpr int kMaxSpeedKmh = 180;
constexpr int kSpeedStepKmh = 5;

// A speed within 5 to 180 km/h, rounded to a multiple of 5.
int OfferedSpeed(int kmh);
// A reaction time of 50, 100 or 200 hundredths of a second; anything else
// is the last entry, 300.
int OfferedReaction(int hundredths);
// A road coefficient of 100 (dry) or 55 (wet); anything else is slippery, 20.
int OfferedRoad(int coefficient);
// A time scale of 1 or 3 steps per tick; anything else is 6.
int OfferedTimeStep(int steps);

// The speed spin buttons.
int SpeedUp(int kmh);
int SpeedDown(int kmh);

// Items of the road combo (" Chaussée sèche", " humide", " glissante").
int RoadItem(int coefficient);
int RoadForItem(int item);
// Items of the reaction combo ("0,5 s", "1 s", "2 s", "3 s").
int ReactionItem(int hundredths);
int ReactionForItem(int item);
// Positions 1, 2, 3 of the time-scale bar.
int TimeStepPosition(int steps);
int TimeStepForPosition(int position);
