// Pictures recorded at build time as Qt metafiles, played back: no Qt SVG
// at run time.
#include "platform/resources/vectorpicture.h"

#include "platform/resources/recordedpicture.h"

#include <QPainter>

struct VectorPicture::Data
{
    RecordedPicture recorded;
    bool valid = false;
};

VectorPicture::VectorPicture(const QByteArray& bytes)
    : d(std::make_unique<Data>())
{
    d->valid = DecodeRecordedPicture(bytes, d->recorded);
}

VectorPicture::~VectorPicture() = default;

bool VectorPicture::IsValid() const
{
    return d->valid;
}

QSizeF VectorPicture::Size() const
{
    return d->valid ? d->recorded.viewBox.size() : QSizeF();
}

void VectorPicture::Render(QPainter& painter, const QRectF& target) const
{
    if (!d->valid || target.isEmpty())
        return;
    const QRectF& box = d->recorded.viewBox;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / box.width(), target.height() / box.height());
    painter.translate(-box.topLeft());
    d->recorded.picture.play(&painter);
    painter.restore();
}

const char* VectorPicture::FileExtension()
{
    return "kpic";
}
