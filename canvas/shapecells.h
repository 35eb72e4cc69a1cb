// The pixels of an ellipse or a rounded rectangle fitted in a box: which lie
// on its outline and which inside, the same on every side.
#pragma once

#include <QPoint>
#include <QVector>
#include <vector>

class ShapeCells
{
public:
    enum class Cell : unsigned char { Outside, Outline, Inside };

    // The ellipse whose pixel centres lie inside the ellipse inscribed in a
    // width x height box.
    static ShapeCells ellipse(int width, int height);
    // A rectangle whose corners are the quarters of a cornerW x cornerH
    // ellipse.
    static ShapeCells roundRect(int width, int height, int cornerW, int cornerH);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Cell at(int x, int y) const;
    // Outline pixels in box coordinates, in counter-clockwise order on
    // screen starting from the east.
    QVector<QPoint> outline() const;

private:
    ShapeCells(int width, int height);
    void markOutline();

    int m_width;
    int m_height;
    std::vector<Cell> m_cells;
};
