// A plain drawing area whose owner paints it and hears its mouse.
#pragma once

#include <QWidget>
#include <functional>

class QPainter;

class PaintBox : public QWidget
{
    Q_OBJECT

public:
    explicit PaintBox(QWidget* parent = nullptr);

    // Called on every paint with a painter on the box.
    std::function<void(QPainter&)> onPaint;

signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
