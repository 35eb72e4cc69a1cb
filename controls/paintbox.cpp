#include "controls/paintbox.h"

#include <QPainter>

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
    // The owner paints every pixel from a composed picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    if (!onPaint)
        return;
    QPainter painter(this);
    onPaint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}
