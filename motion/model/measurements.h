// The positions of a motion at its marked frames (those that carry a cross
// when the trace is on), as a table of measurements for a spreadsheet or a
// regression program: time and positions in metres or centimetres, with the
// window's origin and axes, y upwards (the free fall's y is the distance
// fallen, as its rule reads).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct MeasurementColumn
{
    QString name; // "t", "x", "yA", ...
    QString unit; // "s", "m", "cm", "°"
    int decimals;
};

struct MeasurementTable
{
    std::vector<MeasurementColumn> columns;
    std::vector<std::vector<double>> rows; // one value per column
};

// The wheel and the disc have no scale of their own; the tables give them
// a real size and pace: a bicycle wheel of 35 cm radius, a disc of 15 cm,
// and, as for the projectile and the free fall, 0.05 s between frames.
constexpr double WheelRadiusMetres = 0.35;
constexpr double DiscRadiusMetres = 0.15;

// t, x, y: from the launch point, in metres.
MeasurementTable ProjectileMeasurements(int launchSpeed, int launchAngleDeg);
// t, y: the distance fallen from the release point, in centimetres.
MeasurementTable FreeFallMeasurements(std::int32_t heightUm);
// t, xA, yA, xB, yB, xC, yC: from the first point of contact with the
// ground, in metres.
MeasurementTable WheelMeasurements();
// t, xA, yA, θA, xB, yB, θB: from the disc's centre, in metres, and the
// angle turned from the x axis in degrees (counted on past 360°).
MeasurementTable DiscMeasurements();

// `value` with `decimals` digits after a comma, whatever the locale; never
// "-0,00".
QString DecimalComma(double value, int decimals);

// The table for the clipboard: a row of names, a row of units, then the
// values; tab between columns, CR LF after every row.
QString MeasurementsText(const MeasurementTable& table);
// The same as a .csv file: semicolons between columns, UTF-8 with a byte
// order mark so that spreadsheets read the accents and the degree sign.
QByteArray MeasurementsCsv(const MeasurementTable& table);

// Names proposed for the files, from the window and its parameters,
// without extension: "projectile_30ms_45deg", "chute_libre_120cm", "roue",
// "disque".
QString ProjectileFileStem(int launchSpeed, int launchAngleDeg);
QString FreeFallFileStem(std::int32_t heightUm);
QString WheelFileStem();
QString DiscFileStem();
