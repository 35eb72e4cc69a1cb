// The small square beside a trace check box that shows the point's colour.
#pragma once

#include <QColor>
#include <QWidget>

class LegendSquare : public QWidget
{
    Q_OBJECT

public:
    explicit LegendSquare(QWidget* parent = nullptr);

    void setFill(const QColor& color);
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};
