// The window "Roue d'une bicyclette": a wheel rolling along the ground, with
// a rim point, a half-radius point and the hub traced frame by frame.
#pragma once

#include "motion/motionwindow.h"

class TRoueF : public MotionWindow
{
    Q_OBJECT

public:
    explicit TRoueF(QWidget* parent = nullptr);

    int wheelRadiusPx() const { return m_wheelRadiusPx; }

    MeasurementTable measurements() const override;
    QString fileStem() const override;
    Worksheet worksheet() const override;

protected:
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    void drawBeforePoints(Canvas& canvas) override;
    void setScale() override;
    QString frameDescription() const override;

private:
    int m_wheelRadiusPx = 0;
};
