// Pictures and texts carried by the executable, looked up by name without
// regard to case ("Auto_R" and "Auto_r" name one picture), and the
// Windows-1252 code page in which the texts are stored.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// ":/res/..." path of the resource whose file name without extension is
// `name`; empty when there is none.
QString NamedResourcePath(const QString& name);

// The resource's bytes; empty when there is none.
QByteArray LoadNamedResource(const QString& name);

// A picture: an SVG drawn at its view-box size (or at `size` when given),
// or a raster picture as stored. Null when missing or unreadable. With a
// `ratio` above 1 an SVG is drawn with that many device pixels per logical
// pixel, for a scaled screen (the image carries the ratio); a raster picture
// has only the pixels it was stored with.
QImage LoadNamedPicture(const QString& name, QSize size = QSize(), qreal ratio = 1);

// A Windows-1252 text resource decoded to Unicode.
QString LoadNamedText1252(const QString& name);

// Windows-1252 bytes decoded to Unicode; the five bytes the code page leaves
// unassigned become the replacement character.
QString DecodeWindows1252(const QByteArray& bytes);
