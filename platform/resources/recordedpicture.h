// Qt's metafile (QPicture) of a vector drawing with the view box it was
// recorded in: the form the pictures take where Qt SVG is missing at run
// time. Written at build time from the SVG, read back by VectorPicture.
#pragma once

#include <QByteArray>
#include <QPicture>
#include <QRectF>

struct RecordedPicture
{
    QRectF viewBox;
    QPicture picture;
};

// The bytes of a recording.
QByteArray EncodeRecordedPicture(const RecordedPicture& recorded);

// The recording in `bytes`; false for anything that is not one (a wrong
// header or version, a truncated or empty stream, an empty view box).
bool DecodeRecordedPicture(const QByteArray& bytes, RecordedPicture& recorded);
