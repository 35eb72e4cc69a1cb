// The window "Roue d'une bicyclette": a wheel rolling along the ground, with
// a rim point, a half-radius point and the hub traced frame by frame.
#pragma once

#include "motion/motionwindow.h"

class TRoueF : public MotionWindow
{
    Q_OBJECT

public:
    explicit TRoueF(QWidget* parent = nullptr);

    int WheelRadiusPx() const { return m_wheelRadiusPx; }

protected:
    Worksheet WorksheetDetails() const override;
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    void DrawBeforePoints(Canvas& canvas) override;
    void SetScale() override;
    QString FrameDescription() const override;

private:
    int m_wheelRadiusPx = 0;
};
