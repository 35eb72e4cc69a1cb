// A shot on the launch bench: the striker leaves its home beyond the
// bench's right edge, runs left 0.2 cm per km/h every 40 ms tick, and stops
// where it has pushed the tube's free end in. Bench coordinates are pixels
// of the bench picture (see OrganLayout).
#pragma once

#include "weight/model/organlaws.h"
#include "weight/model/organlayout.h"

class OrganShot
{
public:
    int StrikerX() const { return m_strikerX; } // left edge of the striker
    int StopX() const { return m_stopX; } // where the striker stops
    // Bench lengths of the straight and the crumpled part of the crushed
    // tube as the picture shows it (the straight part may come out negative
    // when the crumpled part takes all that is left).
    int StraightPx() const { return m_straightPx; }
    int DeformedPx() const { return m_deformedPx; }
    bool Flying() const { return m_flying; }
    bool Crushed() const { return m_crushed; } // the crushed tube lies on the bench
    bool Dragging() const { return m_dragging; }

    // No shot, the striker in the middle of the bench.
    void Reset(const OrganLayout& layout);
    // Starts a shot from home. The picture gets its own draws of the laws,
    // so with the scatter on it may differ a little from the tube recorded.
    void Launch(const OrganLayout& layout, CrushLaws& laws, int speedKmh, int massKg);
    // One tick; true when the shot ended on it (the caller records the tube).
    bool Tick(const OrganLayout& layout, int speedKmh);
    // Ends a flying shot at once; true when one was flying.
    bool Finish(const OrganLayout& layout, int speedKmh);
    // Puts the crushed tube back intact, and the striker right of it when
    // it stood in the tube's place.
    void ClearBench(const OrganLayout& layout);

    // A press on the striker takes it (not while it flies); dragging moves
    // it, never into the tube nor off the bench's right edge.
    bool StartDrag(const OrganLayout& layout, int x, int massKg);
    void DragTo(const OrganLayout& layout, int x, int massKg);
    void EndDrag() { m_dragging = false; }

    // Pixels the striker runs per tick at this speed and scale (at least 1
    // once it moves, so that a shot always ends).
    static int Step(const OrganLayout& layout, int speedKmh);

private:
    int m_strikerX = 0;
    int m_stopX = 0;
    int m_straightPx = 0;
    int m_deformedPx = 0;
    bool m_flying = false;
    bool m_crushed = false;
    bool m_dragging = false;
};
