// The crush laws of the kinetic organ: how far a striker of a given speed
// and mass pushes a 32 cm tube in, and how much of it crumples.
#pragma once

#include <cstdint>
#include <functional>

// Length of a tube before the shock, in cm.
constexpr double TubeLength = 32.0;

// One crushed tube, as the shot left it.
struct TubeRecord
{
    double Deformed = 0; // cm, length of the crumpled part
    double PushedIn = 0; // cm, how much shorter the tube became
    double SpeedKmh = 0; // striker speed of the shot
    double SpeedMs = 0; // the same in m/s
    std::int32_t Mass = 0; // kg, striker mass of the shot

    // Length after the shock and of its straight part, in cm.
    double LengthAfter() const { return TubeLength - PushedIn; }
    double StraightLength() const { return TubeLength - PushedIn - Deformed; }
};

double SpeedMsFromKmh(double speedKmh);

// The laws as the experiment measures them, lengths in cm, speed in m/s,
// mass in kg. With the scatter on, every use of a law is multiplied by a
// factor of its own, 0.975 + 0.05 r with r uniform in [0, 1): a spread of
// 5 % centred on the law's value, so that the mean of many shots stays
// true.
class CrushLaws
{
public:
    // A source of r, uniform in [0, 1); the default draws from the system.
    using RandomSource = std::function<double()>;

    explicit CrushLaws(RandomSource random = {});

    void SetScatter(bool on) { m_scatter = on; }
    bool Scatter() const { return m_scatter; }

    // 0.0217 v² (0.05 m) and 0.00548 v² (0.05 m), each with its own draw.
    double PushedInLaw(double speedMs, int massKg);
    double DeformedLaw(double speedMs, int massKg);

    // The tube a shot at this speed and mass leaves: the crumpled part can
    // never be longer than what is left of the tube.
    TubeRecord CrushedTube(int speedKmh, int massKg);

private:
    double Factor();

    RandomSource m_random;
    bool m_scatter = false;
};
