// The parts of the printed worksheet, each drawn in millimetres on the
// paper: the figure with its axes, the scale bar and the table.
#pragma once

#include "motion/motionworksheet.h"
#include "motion/worksheetpaper.h"

#include <QPointF>
#include <vector>

// The marks of one point, in metres, y upward.
struct WorksheetTrack
{
    const WorksheetPoint* point;
    std::vector<QPointF> marks;
};

std::vector<WorksheetTrack> WorksheetTracks(const Worksheet& sheet);
// What the marks, the circles, the ground and the origin span.
WorldBox WorksheetBox(const Worksheet& sheet, const std::vector<WorksheetTrack>& tracks);

// Room the axes' labels and titles take around the figure.
constexpr double WorksheetAxisLeftMm = 14;
constexpr double WorksheetAxisRightMm = 12;
constexpr double WorksheetAxisTopMm = 8;
constexpr double WorksheetAxisBottomMm = 10;
// The free fall's marks stand this far right of its rule.
constexpr double WorksheetRuleGapMm = 10;

void DrawWorksheetFigure(const WorksheetPaper& paper, const Worksheet& sheet, const std::vector<WorksheetTrack>& tracks,
                         const WorksheetGeometry& figure);

// A bar of whole centimetres, cells alternately black and white, labelled
// in the world's lengths; returns where it lies.
QRectF DrawWorksheetScaleBar(const WorksheetPaper& paper, QPointF topLeftMm, double metresPerCm);

// The table's size at `points`, its rows in `blocks` side by side.
struct WorksheetTableShape
{
    double points = 8;
    int blocks = 1;
    int rowsPerBlock = 0;
    std::vector<double> columnWidthsMm;
    double rowHeightMm = 0;

    double BlockWidthMm() const;
    QSizeF SizeMm() const;
};
constexpr double WorksheetTableGapMm = 6;

// The largest type (8 points down to 5) and fewest blocks that fit `roomMm`.
WorksheetTableShape ShapeWorksheetTable(const WorksheetPaper& paper, const MeasurementTable& table, QSizeF roomMm);
// The table as low as it goes in `widthMm`, under the figure: in as many
// blocks as the width takes, at 8 points or smaller when that lets in one
// more block.
WorksheetTableShape ShapeFlatWorksheetTable(const WorksheetPaper& paper, const MeasurementTable& table, double widthMm);
void DrawWorksheetTable(const WorksheetPaper& paper, const MeasurementTable& table, const WorksheetTableShape& shape,
                        QPointF topLeftMm);
