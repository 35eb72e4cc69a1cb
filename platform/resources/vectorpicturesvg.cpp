// Pictures as SVG, drawn by Qt SVG.
#include "platform/resources/vectorpicture.h"

#include <QSvgRenderer>

struct VectorPicture::Data
{
    // render() is not const in Qt, though it changes nothing we rely on.
    mutable QSvgRenderer renderer;
};

VectorPicture::VectorPicture(const QByteArray& bytes)
    : d(std::make_unique<Data>())
{
    d->renderer.load(bytes);
}

VectorPicture::~VectorPicture() = default;

bool VectorPicture::IsValid() const
{
    return d->renderer.isValid() && !d->renderer.viewBoxF().isEmpty();
}

QSizeF VectorPicture::Size() const
{
    return IsValid() ? d->renderer.viewBoxF().size() : QSizeF();
}

void VectorPicture::Render(QPainter& painter, const QRectF& target) const
{
    if (IsValid())
        d->renderer.render(&painter, target);
}

const char* VectorPicture::FileExtension()
{
    return "svg";
}
