// The worksheet's table of measured positions: the very texts the
// clipboard copy holds, in blocks side by side when the rows are many.
#include "motion/worksheetparts.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr double kLargestPt = 8;
constexpr double kSmallestPt = 5;
// Under the figure the type stays readable: the figure has the room to give.
constexpr double kSmallestFlatPt = 6.5;
constexpr double kPaddingMm = 1.5;
constexpr double kRowSpacing = 1.25;
// The names and the units head every block.
constexpr int kHeadRows = 2;
constexpr double kRuleMm = 0.15;

QString CellText(const MeasurementTable& table, std::size_t row, std::size_t column)
{
    const std::vector<double>& values = table.rows[row];
    return column < values.size() ? DecimalComma(values[column], table.columns[column].decimals) : QString();
}

// The table at `points`, its rows in `blocks` as even as they go.
WorksheetTableShape ShapeAt(const WorksheetPaper& paper, const MeasurementTable& table, double points, int blocks)
{
    WorksheetTableShape shape;
    shape.points = points;
    const QFont plain = WorksheetFont(points);
    const QFont bold = WorksheetFont(points, true);
    shape.rowHeightMm = paper.LineHeightMm(plain) * kRowSpacing;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        double widest = std::max(paper.TextSizeMm(table.columns[c].name, bold).width(),
                                 paper.TextSizeMm(table.columns[c].unit, plain).width());
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            widest = std::max(widest, paper.TextSizeMm(CellText(table, r, c), plain).width());
        shape.columnWidthsMm.push_back(widest + 2 * kPaddingMm);
    }
    const int rows = std::max(1, int(table.rows.size()));
    shape.blocks = std::clamp(blocks, 1, rows);
    shape.rowsPerBlock = (rows + shape.blocks - 1) / shape.blocks;
    return shape;
}

// As many blocks as the rows need to fit `heightMm`.
WorksheetTableShape ShapeForHeight(const WorksheetPaper& paper, const MeasurementTable& table, double points,
                                   double heightMm)
{
    const WorksheetTableShape one = ShapeAt(paper, table, points, 1);
    const int fitting = std::max(1, int(heightMm / one.rowHeightMm) - kHeadRows);
    return ShapeAt(paper, table, points, (int(table.rows.size()) + fitting - 1) / fitting);
}

} // namespace

double WorksheetTableShape::BlockWidthMm() const
{
    double width = 0;
    for (double column : columnWidthsMm)
        width += column;
    return width;
}

QSizeF WorksheetTableShape::SizeMm() const
{
    return QSizeF(blocks * BlockWidthMm() + (blocks - 1) * WorksheetTableGapMm,
                  (rowsPerBlock + kHeadRows) * rowHeightMm);
}

WorksheetTableShape ShapeWorksheetTable(const WorksheetPaper& paper, const MeasurementTable& table, QSizeF roomMm)
{
    WorksheetTableShape shape = ShapeForHeight(paper, table, kLargestPt, roomMm.height());
    for (double points = kLargestPt - 0.5; points >= kSmallestPt && shape.SizeMm().width() > roomMm.width();
         points -= 0.5)
        shape = ShapeForHeight(paper, table, points, roomMm.height());
    return shape;
}

WorksheetTableShape ShapeFlatWorksheetTable(const WorksheetPaper& paper, const MeasurementTable& table, double widthMm)
{
    // Smaller type may let one more block in, and the table lower: the
    // largest type that gets the most blocks.
    WorksheetTableShape best;
    for (double points = kLargestPt; points >= kSmallestFlatPt; points -= 0.5) {
        const WorksheetTableShape one = ShapeAt(paper, table, points, 1);
        const int blocks
            = std::max(1, int((widthMm + WorksheetTableGapMm) / (one.BlockWidthMm() + WorksheetTableGapMm)));
        if (best.columnWidthsMm.empty() || blocks > best.blocks)
            best = ShapeAt(paper, table, points, blocks);
    }
    return best;
}

void DrawWorksheetTable(const WorksheetPaper& paper, const MeasurementTable& table, const WorksheetTableShape& shape,
                        QPointF topLeftMm)
{
    const QFont plain = WorksheetFont(shape.points);
    const QFont bold = WorksheetFont(shape.points, true);
    const double h = shape.rowHeightMm;
    for (int block = 0; block < shape.blocks; ++block) {
        const int first = block * shape.rowsPerBlock;
        const int last = std::min(int(table.rows.size()), first + shape.rowsPerBlock);
        const double left = topLeftMm.x() + block * (shape.BlockWidthMm() + WorksheetTableGapMm);
        double x = left;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const double w = shape.columnWidthsMm[c];
            const double centre = x + w / 2;
            paper.Text({centre, topLeftMm.y() + h / 2}, Qt::AlignCenter, table.columns[c].name, bold);
            paper.Text({centre, topLeftMm.y() + 1.5 * h}, Qt::AlignCenter, table.columns[c].unit, plain);
            for (int r = first; r < last; ++r)
                paper.Text({x + w - kPaddingMm, topLeftMm.y() + (kHeadRows + r - first + 0.5) * h},
                           Qt::AlignRight | Qt::AlignVCenter, CellText(table, std::size_t(r), c), plain);
            x += w;
        }
        const double right = left + shape.BlockWidthMm();
        const double bottom = topLeftMm.y() + (kHeadRows + last - first) * h;
        paper.Line({left, topLeftMm.y()}, {right, topLeftMm.y()}, kRuleMm);
        paper.Line({left, topLeftMm.y() + kHeadRows * h}, {right, topLeftMm.y() + kHeadRows * h}, kRuleMm);
        paper.Line({left, bottom}, {right, bottom}, kRuleMm);
    }
}
