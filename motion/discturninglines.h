// The half rim and the grooves that turn with the disc. Arcs are costly to
// draw and the same 41 pictures come back at every turn, so the pixels of
// each frame's arcs are kept once drawn.
#pragma once

#include "canvas/canvas.h"
#include "motion/frametable.h"

#include <QPoint>
#include <array>
#include <vector>

class DiscTurningLines
{
public:
    // Forgets the kept pixels: the disc's place, size or motion changed.
    void reset(QPoint centre, int radius, const std::array<FrameTable, 4>* rimDirections);
    // Draws the lines of `frame` in `color` on `canvas`.
    void draw(Canvas& canvas, int frame, TColor color);

private:
    // The arcs of `frame`, shifted by `offset`, with the canvas's own arcs.
    void drawArcs(Canvas& canvas, int frame, QPoint offset) const;
    QPoint rayPoint(int table, int frame, bool opposite) const;
    const std::vector<QPoint>& pixelsOf(int frame);

    QPoint m_centre;
    int m_radius = 0;
    const std::array<FrameTable, 4>* m_directions = nullptr;
    std::vector<std::vector<QPoint>> m_pixels; // by frame; empty until drawn
};
