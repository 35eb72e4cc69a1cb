// The window "Mouvement d'un projectile": a ball launched from the ground
// at a chosen speed and angle, played frame by frame on metric axes.
#pragma once

#include "motion/motionwindow.h"

#include <QPoint>
#include <QString>
#include <array>

class ParameterEntry;
class SpinButton;

class TBalleF : public MotionWindow
{
    Q_OBJECT

public:
    explicit TBalleF(QWidget* parent = nullptr);

    int LaunchSpeed() const { return m_launchSpeed; }
    int LaunchAngle() const { return m_launchAngle; }
    const std::array<QString, 5>& InfoLines() const { return m_infoLines; }

protected:
    Worksheet WorksheetDetails() const override;
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    QPoint ToPixel(const FramePos& position) const override;
    void SetScale() override;
    void PrepareShow() override;
    QString FrameDescription() const override;

private:
    void CreateEntries();
    void V0SpinUpClick();
    void V0SpinDownClick();
    void V0EdExit();
    void AlphaSpinUpClick();
    void AlphaSpinDownClick();
    void AlphaEdExit();
    // Shows the new parameters and plays the new motion from here on.
    void ApplyParameters(int launchSpeed, int launchAngle);

    int m_launchSpeed = 30;
    int m_launchAngle = 45;
    std::array<QString, 5> m_infoLines;
    QPoint m_origin; // the launch point on the canvas
    SpinButton* V0Spin;
    ParameterEntry* V0Ed;
    SpinButton* AlphaSpin;
    ParameterEntry* AlphaEd;
};
