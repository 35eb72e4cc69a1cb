// The worksheet's figure: the marks at their true scale, the wheel or the
// disc, the ground, and axes graduated in the table's units.
#include "motion/worksheetparts.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kLineMm = 0.25;
constexpr double kThinMm = 0.15;
constexpr double kCrossArmMm = 1;
constexpr double kMajorTickMm = 1.5;
constexpr double kMinorTickMm = 0.8;
constexpr double kLabelPt = 8;
// Labels wider than this go every other centimetre.
constexpr double kWidestLabelMm = 6;
constexpr double kBarHeightMm = 2;
constexpr int kBarCm = 5;

int ColumnOf(const MeasurementTable& table, const QString& name)
{
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (table.columns[c].name == name)
            return int(c);
    return -1;
}

double ValueAt(const std::vector<double>& row, int column)
{
    return column >= 0 && std::size_t(column) < row.size() ? row[std::size_t(column)] : 0.0;
}

// The whole centimetres of paper an axis covers, from the origin.
std::pair<int, int> AxisSpan(double from, double to, double metresPerCm)
{
    const int low = int(std::floor(from / metresPerCm + 1e-6));
    const int high = int(std::ceil(to / metresPerCm - 1e-6));
    return {std::min(low, 0), std::max({high, 0, low + 1})};
}

QString AxisLabel(int cm, double metresPerCm, double unitMetres)
{
    const double step = metresPerCm / unitMetres;
    const int decimals = step >= 1 ? 0 : int(std::ceil(-std::log10(step) - 1e-9));
    return DecimalComma(cm * step, decimals);
}

QString UnitName(double unitMetres)
{
    return unitMetres < 1 ? QStringLiteral("cm") : QStringLiteral("m");
}

// Every centimetre labelled, or every other one when the labels would touch.
int LabelStride(const WorksheetPaper& paper, std::pair<int, int> span, double metresPerCm, double unitMetres)
{
    const QFont font = WorksheetFont(kLabelPt);
    double widest = 0;
    for (int cm : {span.first, span.second})
        widest = std::max(widest, paper.TextSizeMm(AxisLabel(cm, metresPerCm, unitMetres), font).width());
    return widest > kWidestLabelMm ? 2 : 1;
}

void DrawHorizontalAxis(const WorksheetPaper& paper, const Worksheet& sheet, const WorksheetGeometry& g)
{
    const auto span = AxisSpan(g.box.left, g.box.right, g.metresPerCm);
    const double y = g.ToPaperMm(0, 0).y();
    const double x0 = g.ToPaperMm(0, 0).x();
    paper.Line({x0 + span.first * 10.0, y}, {x0 + span.second * 10.0, y}, kLineMm);
    const int stride = LabelStride(paper, span, g.metresPerCm, sheet.unitMetres);
    for (int cm = span.first; cm <= span.second; ++cm) {
        const double x = x0 + cm * 10.0;
        paper.Line({x, y}, {x, y + kMajorTickMm}, kThinMm);
        if (cm < span.second)
            paper.Line({x + 5, y}, {x + 5, y + kMinorTickMm}, kThinMm);
        // Where the axes cross inside the figure, the 0 would sit on the
        // vertical axis.
        if (cm % stride == 0 && (cm != 0 || span.first == 0))
            paper.Text({x, y + kMajorTickMm + 0.5}, Qt::AlignHCenter | Qt::AlignTop,
                       AxisLabel(cm, g.metresPerCm, sheet.unitMetres), WorksheetFont(kLabelPt));
    }
    paper.Text({x0 + span.second * 10.0 + 3, y + 0.5}, Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("x (%1)").arg(UnitName(sheet.unitMetres)), WorksheetFont(kLabelPt, true));
}

// Height upward, or for the free fall the distance fallen, downward from
// the release point.
void DrawVerticalAxis(const WorksheetPaper& paper, const Worksheet& sheet, const WorksheetGeometry& g)
{
    const auto span = AxisSpan(g.box.bottom, g.box.top, g.metresPerCm);
    const QPointF origin = g.ToPaperMm(0, 0);
    paper.Line({origin.x(), origin.y() - span.first * 10.0}, {origin.x(), origin.y() - span.second * 10.0}, kLineMm);
    const int stride = LabelStride(paper, span, g.metresPerCm, sheet.unitMetres);
    for (int cm = span.first; cm <= span.second; ++cm) {
        const double y = origin.y() - cm * 10.0;
        paper.Line({origin.x() - kMajorTickMm, y}, {origin.x(), y}, kThinMm);
        if (cm < span.second)
            paper.Line({origin.x() - kMinorTickMm, y - 5}, {origin.x(), y - 5}, kThinMm);
        // The horizontal axis already says 0 where they cross.
        if (cm % stride != 0 || (cm == 0 && !sheet.fallRule))
            continue;
        paper.Text({origin.x() - kMajorTickMm - 0.8, y}, Qt::AlignRight | Qt::AlignVCenter,
                   AxisLabel(sheet.fallRule ? -cm : cm, g.metresPerCm, sheet.unitMetres), WorksheetFont(kLabelPt));
    }
    const QString title = sheet.fallRule ? QStringLiteral("y (cm), compté vers le bas")
                                         : QStringLiteral("y (%1)").arg(UnitName(sheet.unitMetres));
    const double end = sheet.fallRule ? origin.y() - span.first * 10.0 : origin.y() - span.second * 10.0;
    paper.Text({origin.x(), sheet.fallRule ? origin.y() - 2 : end - 2}, Qt::AlignHCenter | Qt::AlignBottom, title,
               WorksheetFont(kLabelPt, true));
}

// A ground line hatched underneath, across the figure.
void DrawGround(const WorksheetPaper& paper, const Worksheet& sheet, const WorksheetGeometry& g)
{
    const QPointF at = g.ToPaperMm(0, *sheet.groundY);
    double left = at.x() - 3;
    double right = at.x() + WorksheetRuleGapMm + 8;
    if (!sheet.fallRule) {
        const auto span = AxisSpan(g.box.left, g.box.right, g.metresPerCm);
        left = at.x() + span.first * 10.0;
        right = at.x() + span.second * 10.0;
    }
    paper.Line({left, at.y()}, {right, at.y()}, 2 * kLineMm);
    for (double x = left + 2; x <= right; x += 2)
        paper.Line({x, at.y()}, {x - 1.5, at.y() + 1.5}, kThinMm);
}

} // namespace

std::vector<WorksheetTrack> WorksheetTracks(const Worksheet& sheet)
{
    std::vector<WorksheetTrack> tracks;
    for (const WorksheetPoint& point : sheet.points) {
        const int xColumn = point.xColumn.isEmpty() ? -1 : ColumnOf(sheet.table, point.xColumn);
        const int yColumn = ColumnOf(sheet.table, point.yColumn);
        WorksheetTrack track{&point, {}};
        for (const std::vector<double>& row : sheet.table.rows) {
            const double y = ValueAt(row, yColumn) * sheet.unitMetres;
            track.marks.emplace_back(ValueAt(row, xColumn) * sheet.unitMetres, sheet.fallRule ? -y : y);
        }
        tracks.push_back(std::move(track));
    }
    return tracks;
}

WorldBox WorksheetBox(const Worksheet& sheet, const std::vector<WorksheetTrack>& tracks)
{
    WorldBox box; // the origin, where the axes cross
    auto take = [&box](double x, double y) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.bottom = std::min(box.bottom, y);
        box.top = std::max(box.top, y);
    };
    for (const WorksheetTrack& track : tracks)
        for (const QPointF& mark : track.marks)
            take(mark.x(), mark.y());
    for (const WorksheetCircle& circle : sheet.circles) {
        take(circle.x - circle.radius, circle.y - circle.radius);
        take(circle.x + circle.radius, circle.y + circle.radius);
    }
    if (sheet.groundY)
        take(0, *sheet.groundY);
    return box;
}

void DrawWorksheetFigure(const WorksheetPaper& paper, const Worksheet& sheet, const std::vector<WorksheetTrack>& tracks,
                         const WorksheetGeometry& figure)
{
    if (sheet.groundY)
        DrawGround(paper, sheet, figure);
    QPainter& painter = paper.Painter();
    painter.setBrush(Qt::NoBrush);
    for (const WorksheetCircle& circle : sheet.circles) {
        painter.setPen(QPen(Qt::black, paper.Px(kLineMm)));
        const double r = paper.Px(circle.radius * figure.MmPerMetre());
        painter.drawEllipse(paper.Px(figure.ToPaperMm(circle.x, circle.y)), r, r);
    }
    if (!sheet.fallRule)
        DrawHorizontalAxis(paper, sheet, figure);
    DrawVerticalAxis(paper, sheet, figure);
    const QPointF shift(sheet.fallRule ? WorksheetRuleGapMm : 0, 0);
    for (const WorksheetTrack& track : tracks) {
        for (const QPointF& mark : track.marks)
            paper.Cross(figure.ToPaperMm(mark.x(), mark.y()) + shift, kCrossArmMm, kLineMm, track.point->color);
        if (!track.point->name.isEmpty() && !track.marks.empty())
            paper.Text(figure.ToPaperMm(track.marks.front().x(), track.marks.front().y()) + shift + QPointF(2, -1),
                       Qt::AlignLeft | Qt::AlignBottom, track.point->name, WorksheetFont(kLabelPt, true));
    }
}

QRectF DrawWorksheetScaleBar(const WorksheetPaper& paper, QPointF topLeftMm, double metresPerCm)
{
    const QRectF bar(topLeftMm, QSizeF(kBarCm * 10.0, kBarHeightMm));
    QPainter& painter = paper.Painter();
    for (int cm = 0; cm < kBarCm; cm += 2)
        painter.fillRect(
            QRectF(paper.Px(bar.topLeft() + QPointF(cm * 10.0, 0)), QSizeF(paper.Px(10), paper.Px(kBarHeightMm))),
            Qt::black);
    // The outline drawn inside the bar, so that its ink is as long as it says.
    const double half = kThinMm / 2;
    painter.setPen(QPen(Qt::black, paper.Px(kThinMm), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(paper.Px(bar.topLeft() + QPointF(half, half)), paper.Px(bar.bottomRight() - QPointF(half, half))));
    const QFont font = WorksheetFont(kLabelPt);
    const bool inMetres = metresPerCm >= 1;
    for (int cm = 0; cm <= kBarCm; ++cm) {
        const QString number = QString::number(std::lround(cm * metresPerCm * (inMetres ? 1 : 100)));
        const QPointF at(bar.left() + cm * 10.0, bar.bottom() + 0.5);
        if (cm < kBarCm) {
            paper.Text(at, Qt::AlignHCenter | Qt::AlignTop, number, font);
            continue;
        }
        // The last number centred on its tick like the others, the unit after it.
        paper.Text(at - QPointF(paper.TextSizeMm(number, font).width() / 2, 0), Qt::AlignLeft | Qt::AlignTop,
                   number + (inMetres ? QStringLiteral(" m") : QStringLiteral(" cm")), font);
    }
    return bar;
}
