// The window "Disque en rotation": a disc turning about its centre, with a
// point near the rim, one at half radius and the centre, and a rim and
// grooves that turn with it.
#pragma once

#include "motion/discturninglines.h"
#include "motion/motionwindow.h"

#include <array>

class TDisqueF : public MotionWindow
{
    Q_OBJECT

public:
    explicit TDisqueF(QWidget* parent = nullptr);

    int discRadiusPx() const { return m_discRadiusPx; }
    QPoint centrePx() const;

protected:
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    int stepForward(int frame) const override;
    int stepBack(int frame) const override;
    bool isTraced(int point, int frame) const override;
    QPoint toPixel(const FramePos& position) const override;
    void drawMark(Canvas& canvas, QPoint at) const override;
    void drawBeforePoints(Canvas& canvas) override;
    void setScale() override;

private:
    std::array<FrameTable, 4> m_rimDirections;
    DiscTurningLines m_turningLines;
    int m_discRadiusPx = 0;
};
