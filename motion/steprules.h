// Where a step forward or back leads, and which frames carry a trace mark,
// for each motion window. Frames are numbered 1 to `count`.
#pragma once

// Projectile: steps land on frames 1, 5, 10, 15, ...
int ProjectileStepForward(int frame, int count, bool loop);
int ProjectileStepBack(int frame, int count, bool loop);
bool ProjectileTraced(int frame);

// Free fall: one frame at a time, never wrapping.
int FreeFallStepForward(int frame, int count);
int FreeFallStepBack(int frame);
bool FreeFallTraced(int frame, int currentFrame);

// Wheel: one frame at a time, wrapping when the loop is on.
int WheelStepForward(int frame, int count, bool loop);
int WheelStepBack(int frame, int count, bool loop);

// Disc: steps land on the odd frames 1, 3, 5, ...
int DiscStepForward(int frame, int count, bool loop);
int DiscStepBack(int frame, int count, bool loop);
bool DiscTraced(int frame);
