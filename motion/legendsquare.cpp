#include "motion/legendsquare.h"

#include <QPainter>

LegendSquare::LegendSquare(QWidget* parent)
    : QWidget(parent)
    , m_fill(Qt::white)
{
    setFixedSize(12, 12);
    setEnabled(false);
}

void LegendSquare::setFill(const QColor& color)
{
    m_fill = color;
    update();
}

void LegendSquare::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(m_fill);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
