// The window "Disque en rotation": a disc turning about its centre, with a
// point near the rim, one at half radius and the centre, and a rim and
// grooves that turn with it.
#pragma once

#include "motion/motionwindow.h"

#include <QPoint>
#include <array>
#include <vector>

// The half rim and the grooves that turn with the disc. Arcs are costly to
// draw and the same 41 pictures come back at every turn, so the pixels of
// each frame's arcs are kept once drawn.
class DiscTurningLines
{
public:
    // Forgets the kept pixels: the disc's place, size or motion changed.
    void Reset(QPoint centre, int radius, const std::array<FrameTable, 4>* rimDirections);
    // Draws the lines of `frame` in `color` on `canvas`.
    void Draw(Canvas& canvas, int frame, TColor color);

private:
    // The arcs of `frame`, shifted by `offset`, with the canvas's own arcs.
    void DrawArcs(Canvas& canvas, int frame, QPoint offset) const;
    QPoint RayPoint(int table, int frame, bool opposite) const;
    // In device pixels of a canvas of scale m_scale.
    const std::vector<QPoint>& PixelsOf(int frame);

    QPoint m_centre;
    qreal m_scale = 1;
    int m_radius = 0;
    const std::array<FrameTable, 4>* m_directions = nullptr;
    std::vector<std::vector<QPoint>> m_pixels; // by frame; empty until drawn
};

class TDisqueF : public MotionWindow
{
    Q_OBJECT

public:
    explicit TDisqueF(QWidget* parent = nullptr);

    int DiscRadiusPx() const { return m_discRadiusPx; }
    QPoint CentrePx() const;

protected:
    Worksheet WorksheetDetails() const override;
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    void DrawBeforePoints(Canvas& canvas) override;
    void SetScale() override;
    QString FrameDescription() const override;

private:
    std::array<FrameTable, 4> m_rimDirections;
    DiscTurningLines m_turningLines;
    int m_discRadiusPx = 0;
};
