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

    // One row of the shape: columns left..right, of which innerLeft..
    // innerRight are inside (none when innerLeft > innerRight) and the rest
    // outline.
    struct Row
    {
        int left = 0;
        int right = -1;
        int innerLeft = 0;
        int innerRight = -1;
    };

    // The ellipse whose pixel centres lie inside the ellipse inscribed in a
    // width x height box.
    static ShapeCells ellipse(int width, int height);
    // A rectangle whose corners are the quarters of a cornerW x cornerH
    // ellipse.
    static ShapeCells roundRect(int width, int height, int cornerW, int cornerH);

    int width() const { return m_width; }
    int height() const { return int(m_rows.size()); }
    const Row& row(int y) const { return m_rows[std::size_t(y)]; }
    Cell at(int x, int y) const;
    // Outline pixels in box coordinates, row by row.
    QVector<QPoint> outline() const;
    // The same counter-clockwise on screen, starting from the east.
    QVector<QPoint> outlineAround() const;

private:
    ShapeCells(int width, int height);
    // Splits each row into outline and inside: a pixel is on the outline
    // when one of its four neighbours is outside the shape.
    void findInsides();

    int m_width;
    std::vector<Row> m_rows;
};
