#include "canvas/shapecells.h"

#include <algorithm>
#include <cmath>

ShapeCells::ShapeCells(int width, int height)
    : m_width(std::max(width, 0))
    , m_height(std::max(height, 0))
    , m_cells(std::size_t(m_width) * std::size_t(m_height), Cell::Outside)
{
}

ShapeCells::Cell ShapeCells::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return Cell::Outside;
    return m_cells[std::size_t(y) * std::size_t(m_width) + std::size_t(x)];
}

ShapeCells ShapeCells::ellipse(int width, int height)
{
    ShapeCells cells(width, height);
    const double cx = (cells.m_width - 1) / 2.0;
    const double cy = (cells.m_height - 1) / 2.0;
    const double rx = cells.m_width / 2.0;
    const double ry = cells.m_height / 2.0;
    for (int y = 0; y < cells.m_height; ++y) {
        const double dy = (y - cy) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1 - dy * dy));
        // The span is computed for its left end and mirrored, so that the
        // shape is exactly symmetric.
        const int left = std::max(0, int(std::ceil(cx - half - 1e-9)));
        for (int x = left; x <= cells.m_width - 1 - left; ++x)
            cells.m_cells[std::size_t(y) * std::size_t(cells.m_width) + std::size_t(x)] = Cell::Inside;
    }
    cells.markOutline();
    return cells;
}

ShapeCells ShapeCells::roundRect(int width, int height, int cornerW, int cornerH)
{
    ShapeCells cells(width, height);
    const int ew = std::clamp(cornerW, 1, std::max(cells.m_width, 1));
    const int eh = std::clamp(cornerH, 1, std::max(cells.m_height, 1));
    const ShapeCells corner = ellipse(ew, eh);
    // Each side of the box takes the matching half of the corner ellipse; the
    // stretch between repeats the ellipse's middle column or row.
    auto fold = [](int p, int size, int e) {
        if (p < e / 2)
            return p;
        if (p >= size - (e - e / 2))
            return p - (size - e);
        return e / 2;
    };
    for (int y = 0; y < cells.m_height; ++y)
        for (int x = 0; x < cells.m_width; ++x)
            if (corner.at(fold(x, cells.m_width, ew), fold(y, cells.m_height, eh)) != Cell::Outside)
                cells.m_cells[std::size_t(y) * std::size_t(cells.m_width) + std::size_t(x)] = Cell::Inside;
    cells.markOutline();
    return cells;
}

void ShapeCells::markOutline()
{
    const auto outside = [this](int x, int y) { return at(x, y) == Cell::Outside; };
    std::vector<Cell> marked = m_cells;
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            if (at(x, y) == Cell::Inside
                && (outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1)))
                marked[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] = Cell::Outline;
        }
    }
    m_cells = std::move(marked);
}

QVector<QPoint> ShapeCells::outline() const
{
    QVector<QPoint> points;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x)
            if (at(x, y) == Cell::Outline)
                points.append(QPoint(x, y));
    const double cx = (m_width - 1) / 2.0;
    const double cy = (m_height - 1) / 2.0;
    const auto angle = [&](QPoint p) {
        const double a = std::atan2(-(p.y() - cy), p.x() - cx);
        return a < 0 ? a + 2 * M_PI : a;
    };
    std::stable_sort(points.begin(), points.end(),
                     [&](QPoint a, QPoint b) { return angle(a) < angle(b); });
    return points;
}
