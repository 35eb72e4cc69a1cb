// A vector picture carried by the program, read once and drawn at any size.
// Where Qt SVG is at hand the picture is the SVG itself; elsewhere it is the
// same drawing recorded at build time as Qt's own metafile (recordedpicture.h)
// and played back. Both draw through QPainter, so callers see no difference.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <memory>

class QPainter;

class VectorPicture
{
public:
    // `bytes` as carried by the program (an SVG or a recording).
    explicit VectorPicture(const QByteArray& bytes);
    ~VectorPicture();

    // Readable and of a non-empty size.
    bool IsValid() const;
    // The drawing's own size: its view box.
    QSizeF Size() const;
    // Draws the whole picture stretched onto `target`.
    void Render(QPainter& painter, const QRectF& target) const;

    // The file extension of the pictures in this build ("svg" or "kpic").
    static const char* FileExtension();

private:
    struct Data;
    std::unique_ptr<Data> d;
};
