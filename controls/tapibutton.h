// A push button whose caption can wrap over several lines and sit left,
// right or centred, at the top, bottom or middle, with a flat look.
#pragma once

#include "controls/captionstyle.h"

#include <QPushButton>

class TAPIButton : public CaptionControl<QPushButton>
{
    Q_OBJECT

public:
    // The caption starts as `name`, which is also the object name; the
    // button is 100 x 30 pixels.
    explicit TAPIButton(const QString& name = QString(), QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    void PaintFace(QPainter& painter);
};
