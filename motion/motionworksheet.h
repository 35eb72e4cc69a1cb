// A film printed as a worksheet: one A4 page with the film's name and
// parameters, its marks at a true scale stated on the page, a scale bar,
// axes in real units and, when asked, the table of measured positions.
#pragma once

#include "motion/model/measurements.h"
#include "motion/model/worksheetscale.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

// A point whose marks the page shows: its x and y columns in the table
// (no x column: the point stays on x = 0).
struct WorksheetPoint
{
    QString name; // "A"; empty when the film follows one point
    QString xColumn;
    QString yColumn;
    QColor color;
};

// A circle of the figure (the wheel, the disc), in metres.
struct WorksheetCircle
{
    double x = 0;
    double y = 0;
    double radius = 0;
};

// Every member has a default, so that a film names only what it sets.
struct Worksheet
{
    QString title{}; // "Mouvement d'un projectile"
    // The name proposed for the film's files and the printed document,
    // without extension: "projectile_30ms_45deg".
    QString fileStem{};
    QString parameters{}; // "Vitesse initiale : 30 m/s ; angle de tir : 45°"
    MeasurementTable table{};
    std::vector<WorksheetPoint> points{};
    std::vector<WorksheetCircle> circles{};
    // The table's lengths in metres (0.01 for centimetres).
    double unitMetres = 1;
    // The free fall: its y column is the distance fallen, measured down a
    // rule with no horizontal axis, the marks beside the rule.
    bool fallRule = false;
    std::optional<double> groundY{}; // a ground line, in metres
};

// Where the page put its parts, in millimetres from the printable area's
// top-left: what tests measure the printed page against.
struct WorksheetLayout
{
    WorksheetGeometry figure;
    QRectF scaleBarMm;
    QRectF tableMm; // empty without the table
};

// Draws the page on `painter`'s device at its own resolution.
WorksheetLayout PaintWorksheet(QPainter& painter, const Worksheet& sheet, bool withTable);
// The page on `printer` (set up by PrepareA4Printer); nothing when the
// printer cannot start (a PDF file that cannot be written).
std::optional<WorksheetLayout> PrintWorksheetTo(QPrinter& printer, const Worksheet& sheet, bool withTable);
// "Imprimer...": the print dialog, with a tab that adds the table, then
// the page.
void PrintWorksheet(QWidget* parent, const Worksheet& sheet, const QString& docName);

// Points A, B, ... up to `count` (at most 3), their columns xA, yA, ... and
// their colours.
std::vector<WorksheetPoint> NamedWorksheetPoints(int count);

// The colours "Adapter à l'impression" gives the films: black on white,
// the second and third points in greys.
QColor WorksheetPointColor(int point);
