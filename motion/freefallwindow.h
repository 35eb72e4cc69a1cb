// The window "Chute d'une bille": a ball dropped from rest beside a rule in
// centimetres, with a measuring cursor drawn across the picture by mouse.
#pragma once

#include "motion/model/motions.h"
#include "motion/motionwindow.h"

class ParameterEntry;
class SpinButton;
class QLabel;

class TChuteF : public MotionWindow
{
    Q_OBJECT

public:
    explicit TChuteF(QWidget* parent = nullptr);

    int CursorY() const { return m_cursorY; }
    const RuleGeometry& Rule() const { return m_rule; }
    QString InfosText() const;
    const QImage& LogoBitmap() const { return m_logo; }

protected:
    Worksheet WorksheetDetails() const override;
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    QPoint ToPixel(const FramePos& position) const override;
    void SetScale() override;
    QSize EnforcedSize(QSize size) const override;
    void PlaceControls(QSize client) override;
    void PaintOverFrame(QPainter& painter) override;
    void PrepareShow() override;
    void FinishShow() override;
    void FinishClose() override;
    QString FrameDescription() const override;

private:
    void CreatePanel();
    void PlacePanelControls();
    void HauteurSpinUpClick();
    void HauteurSpinDownClick();
    void HautEdExit();
    void ApplyHeight(std::int32_t heightUm);
    void CanevasMouseMove(QMouseEvent* event);
    void NoCursBoutClick();
    void InfosZonePaint(QPainter& painter);
    void LogoPaint(QPainter& painter);

    int m_cursorY = NoCursor;
    RuleGeometry m_rule;
    QImage m_logo;
    QWidget* Panel2;
    QWidget* Panneau;
    PaintBox* Logo;
    PaintBox* InfosZone;
    QToolButton* NoCursBout;
    SpinButton* HauteurSpin;
    ParameterEntry* HautEd;
};
