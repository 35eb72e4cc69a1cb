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

    int cursorY() const { return m_cursorY; }
    const RuleGeometry& rule() const { return m_rule; }
    QString infosText() const;
    const QImage& logoBitmap() const { return m_logo; }

    MeasurementTable measurements() const override;
    QString fileStem() const override;
    Worksheet worksheet() const override;

protected:
    void ComputeFrames() override;
    void DrawBackground(Canvas& canvas) override;
    QPoint toPixel(const FramePos& position) const override;
    void drawMark(Canvas& canvas, QPoint at) const override;
    void setScale() override;
    QSize enforcedSize(QSize size) const override;
    void placeControls(QSize client) override;
    void paintOverFrame(QPainter& painter) override;
    void prepareShow() override;
    void applyShowPlayFlags() override;
    void finishShow() override;
    void finishClose() override;
    QString frameDescription() const override;

private:
    void createPanel();
    void placePanelControls();
    void HauteurSpinUpClick();
    void HauteurSpinDownClick();
    void HautEdExit();
    void applyHeight(std::int32_t heightUm);
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
