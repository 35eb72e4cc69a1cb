#include "motion/projectilewindow.h"

#include "app/settings/appsettings.h"
#include "controls/plaincontrols.h"
#include "motion/model/framedescription.h"
#include "motion/model/motions.h"
#include "motion/motionbackgrounds.h"

#include <QLabel>
#include <algorithm>
#include <tuple>

TBalleF::TBalleF(QWidget* parent)
    : MotionWindow(MotionKind::Projectile, parent)
{
    CreateEntries();
    // The entries go between the traces and the transport.
    OrderBottomPanelTabs(
        {AlphaSpin->UpButton(), AlphaSpin->DownButton(), AlphaEd, V0Spin->UpButton(), V0Spin->DownButton(), V0Ed});
    ComputeFrames();
}

void TBalleF::CreateEntries()
{
    auto* speedLabel = new QLabel(QStringLiteral("Vitesse initiale"), m_bottomPanel);
    speedLabel->move(164, 28);
    auto* angleLabel = new QLabel(QStringLiteral("Angle de tir"), m_bottomPanel);
    angleLabel->move(80, 28);

    std::tie(V0Spin, V0Ed) = MakeParameterControls(m_bottomPanel, "V0Spin", "V0Ed", {165, 43},
                                                   QStringLiteral(" Définir la vitesse initiale du projectile"));
    std::tie(AlphaSpin, AlphaEd) = MakeParameterControls(m_bottomPanel, "AlphaSpin", "AlphaEd", {81, 43},
                                                         QStringLiteral(" Définir l'angle de tir du projectile"));

    connect(V0Spin, &SpinButton::UpClick, this, &TBalleF::V0SpinUpClick);
    connect(V0Spin, &SpinButton::DownClick, this, &TBalleF::V0SpinDownClick);
    connect(V0Ed, &ParameterEntry::Entered, this, &TBalleF::V0EdExit);
    connect(AlphaSpin, &SpinButton::UpClick, this, &TBalleF::AlphaSpinUpClick);
    connect(AlphaSpin, &SpinButton::DownClick, this, &TBalleF::AlphaSpinDownClick);
    connect(AlphaEd, &ParameterEntry::Entered, this, &TBalleF::AlphaEdExit);
}

void TBalleF::PrepareShow()
{
    V0Ed->setText(LaunchSpeedText(m_launchSpeed));
    AlphaEd->setText(LaunchAngleText(m_launchAngle));
}

void TBalleF::ComputeFrames()
{
    ProjectileMotion motion = ComputeProjectile(m_launchSpeed, m_launchAngle);
    m_frames[PointB] = std::move(motion.ball);
    m_infoLines = motion.infoLines;
    m_frameCount = m_frames[PointB].Count();
    m_curFrame = std::clamp(m_curFrame, 1, m_frameCount);
    RedrawBackground();
}

Worksheet TBalleF::WorksheetDetails() const
{
    return {.fileStem = ProjectileFileStem(m_launchSpeed, m_launchAngle),
            .parameters
            = QStringLiteral("Vitesse initiale : %1 m/s ; angle de tir : %2°").arg(m_launchSpeed).arg(m_launchAngle),
            .table = ProjectileMeasurements(m_launchSpeed, m_launchAngle),
            .points = {{QString(), QStringLiteral("x"), QStringLiteral("y"), WorksheetPointColor(0)}}};
}

void TBalleF::DrawBackground(Canvas& canvas)
{
    DrawProjectileBackground(canvas, m_infoLines);
}

QString TBalleF::FrameDescription() const
{
    return ProjectileFrameText(m_frames[PointB], m_curFrame, ProjectileFlightSeconds(m_launchSpeed, m_launchAngle));
}

void TBalleF::SetScale()
{
    m_origin = QPoint(ProjectileOriginX, CanvasHeight() - ProjectileOriginBottom);
    WorldScale = ProjectileWorldScale(CanvasWidth());
}

QPoint TBalleF::ToPixel(const FramePos& position) const
{
    return m_origin + QPoint(ToPixels(position.x), -ToPixels(position.y));
}

void TBalleF::ApplyParameters(int launchSpeed, int launchAngle)
{
    m_launchSpeed = launchSpeed;
    m_launchAngle = launchAngle;
    V0Ed->setText(LaunchSpeedText(m_launchSpeed));
    AlphaEd->setText(LaunchAngleText(m_launchAngle));
    ComputeFrames();
    ComposeFrame();
}

void TBalleF::V0SpinUpClick()
{
    ApplyParameters(std::min(m_launchSpeed + 1, LaunchSpeedRule.maximum), m_launchAngle);
}

void TBalleF::V0SpinDownClick()
{
    ApplyParameters(std::max(m_launchSpeed - 1, LaunchSpeedRule.minimum), m_launchAngle);
}

void TBalleF::V0EdExit()
{
    ApplyParameters(ParseEntry(V0Ed->text(), LaunchSpeedRule), m_launchAngle);
}

void TBalleF::AlphaSpinUpClick()
{
    ApplyParameters(m_launchSpeed, std::min(m_launchAngle + 1, LaunchAngleRule.maximum));
}

void TBalleF::AlphaSpinDownClick()
{
    ApplyParameters(m_launchSpeed, std::max(m_launchAngle - 1, LaunchAngleSpinMinimum));
}

void TBalleF::AlphaEdExit()
{
    ApplyParameters(m_launchSpeed, ParseEntry(AlphaEd->text(), LaunchAngleRule));
}
