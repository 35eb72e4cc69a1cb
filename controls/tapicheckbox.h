// A check box whose caption can wrap over several lines, sit left, right or
// centred, at the top, bottom or middle, on either side of a flat box.
#pragma once

#include "controls/captionstyle.h"

#include <QCheckBox>

class TAPICheckBox : public CaptionControl<QCheckBox>
{
    Q_OBJECT

public:
    // The caption starts as `name`, which is also the object name.
    explicit TAPICheckBox(const QString& name = QString(), QWidget* parent = nullptr);

    TLeftRight Alignment() const { return m_alignment; }
    void SetAlignment(TLeftRight alignment);

    // Where the box and the caption's text area lie in the control.
    QRect BoxRect() const;
    QRect TextArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void ApplyStyle() override;
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int CaptionFlags() const;
    void PaintSquare(QPainter& painter, const QRect& box);

    TLeftRight m_alignment = 0;
};
