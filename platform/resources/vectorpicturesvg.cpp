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

bool VectorPicture::isValid() const
{
    return d->renderer.isValid() && !d->renderer.viewBoxF().isEmpty();
}

QSizeF VectorPicture::size() const
{
    return isValid() ? d->renderer.viewBoxF().size() : QSizeF();
}

void VectorPicture::render(QPainter& painter, const QRectF& target) const
{
    if (isValid())
        d->renderer.render(&painter, target);
}

const char* VectorPicture::fileExtension()
{
    return "svg";
}
