#include "canvas/canvasinternal.h"

#include <algorithm>
#include <cmath>

ShapeCells::ShapeCells(int width, int height)
    : m_width(std::max(width, 0)),
      m_rows(std::size_t(std::max(height, 0)))
{ }

ShapeCells ShapeCells::Ellipse(int width, int height)
{
    ShapeCells cells(width, height);
    const double cx = (cells.m_width - 1) / 2.0;
    const double cy = (cells.Height() - 1) / 2.0;
    const double rx = cells.m_width / 2.0;
    const double ry = cells.Height() / 2.0;
    for (int y = 0; y < cells.Height(); ++y) {
        const double dy = (y - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1 - dy * dy));
        // The left end is mirrored, so that the shape is exactly symmetric.
        Row& row = cells.m_rows[std::size_t(y)];
        row.left = std::max(0, int(std::ceil(cx - half - 1e-9)));
        row.right = cells.m_width - 1 - row.left;
    }
    cells.FindInsides();
    return cells;
}

ShapeCells ShapeCells::RoundRect(int width, int height, int cornerW, int cornerH)
{
    ShapeCells cells(width, height);
    const int ew = std::clamp(cornerW, 1, std::max(cells.m_width, 1));
    const int eh = std::clamp(cornerH, 1, std::max(cells.Height(), 1));
    const ShapeCells corner = Ellipse(ew, eh);
    // The top and bottom rows take the corner ellipse's halves; the rows
    // between repeat its middle row. Each row is the ellipse's row widened
    // by the straight stretch of the sides.
    for (int y = 0; y < cells.Height(); ++y) {
        int ey = eh / 2;
        if (y < eh / 2)
            ey = y;
        else if (y >= cells.Height() - (eh - eh / 2))
            ey = y - (cells.Height() - eh);
        Row& row = cells.m_rows[std::size_t(y)];
        row.left = corner.RowAt(ey).left;
        row.right = corner.RowAt(ey).right + (cells.m_width - ew);
    }
    cells.FindInsides();
    return cells;
}

void ShapeCells::FindInsides()
{
    const int rows = Height();
    for (int y = 0; y < rows; ++y) {
        Row& row = m_rows[std::size_t(y)];
        if (y == 0 || y == rows - 1) {
            row.innerLeft = row.right + 1;
            row.innerRight = row.right;
            continue;
        }
        const Row& above = m_rows[std::size_t(y - 1)];
        const Row& below = m_rows[std::size_t(y + 1)];
        row.innerLeft = std::max({row.left + 1, above.left, below.left});
        row.innerRight = std::min({row.right - 1, above.right, below.right});
    }
}

ShapeCells::Cell ShapeCells::At(int x, int y) const
{
    if (y < 0 || y >= Height())
        return Cell::Outside;
    const Row& r = RowAt(y);
    if (x < r.left || x > r.right)
        return Cell::Outside;
    return x >= r.innerLeft && x <= r.innerRight ? Cell::Inside : Cell::Outline;
}

QVector<QPoint> ShapeCells::Outline() const
{
    QVector<QPoint> points;
    for (int y = 0; y < Height(); ++y) {
        const Row& r = RowAt(y);
        const bool hollow = r.innerLeft <= r.innerRight;
        for (int x = r.left; x <= r.right; ++x) {
            if (hollow && x == r.innerLeft)
                x = r.innerRight + 1;
            points.append(QPoint(x, y));
        }
    }
    return points;
}

QVector<QPoint> ShapeCells::OutlineAround() const
{
    const double cx = (m_width - 1) / 2.0;
    const double cy = (Height() - 1) / 2.0;
    std::vector<std::pair<double, QPoint>> keyed;
    for (QPoint p : Outline()) {
        const double a = std::atan2(-(p.y() - cy), p.x() - cx);
        keyed.emplace_back(a < 0 ? a + 2 * M_PI : a, p);
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QVector<QPoint> points;
    points.reserve(qsizetype(keyed.size()));
    for (const auto& entry : keyed)
        points.append(entry.second);
    return points;
}
