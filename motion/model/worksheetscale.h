// The true scale of a film printed as a worksheet: the round scale that
// lets the figure fill the room on the paper, where a point of the world
// lands there, and the words that state the scale.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

// What the marks of a film span, in metres, x to the right, y upward.
struct WorldBox
{
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
};

// Metres of the world that one centimetre of paper stands for: the
// smallest of 1, 2 and 5 times a power of ten, from 1 cm (1 : 1) to 10 m,
// at which a figure `box` fits a room of `roomWidthCm` x `roomHeightCm`;
// 10 m when none does.
double WorksheetMetresPerCm(const WorldBox& box, double roomWidthCm, double roomHeightCm);

// A length of the world as a pupil reads it: "10 m", "50 cm", "2 cm".
QString WorksheetLengthText(double metres);
// "1 cm sur la feuille représente 10 m" ("..., échelle 1 : 1" for 1 cm).
QString WorksheetScaleText(double metresPerCm);

// Where a figure lies on the paper: millimetres from the top-left of the
// printable area.
struct WorksheetGeometry
{
    double metresPerCm = 1;
    WorldBox box;
    QPointF topLeftMm; // the paper point of (box.left, box.top)

    double MmPerMetre() const { return 10.0 / metresPerCm; }
    // The paper point of a world point (metres, y upward).
    QPointF ToPaperMm(double xMetres, double yMetres) const;
    QSizeF SizeMm() const;
};

// The figure at its scale, centred across `roomMm` and at its top.
WorksheetGeometry PlaceWorksheetFigure(const WorldBox& box, const QRectF& roomMm);
