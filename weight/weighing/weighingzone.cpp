#include "weight/weighing/weighingzone.h"

#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"
#include "weight/weighing/model/weighingobjects.h"

namespace {

constexpr int kPictureMargin = 70;

} // namespace

void ObjectPicture::Load(int object)
{
    Clear();
    m_name = ObjectPictureName(object);
    if (m_name.isEmpty())
        return;
    m_natural = LoadNamedPicture(m_name).size();
    if (m_natural.isEmpty())
        m_name.clear();
}

void ObjectPicture::Clear()
{
    m_name.clear();
    m_natural = QSize();
    m_size = QSize();
    m_image = QImage();
}

void ObjectPicture::Fit(int zoneHeight, qreal ratio)
{
    m_image = QImage();
    m_size = QSize();
    if (m_name.isEmpty())
        return;
    const double w = m_natural.width();
    const double h = m_natural.height();
    int height = zoneHeight - kPictureMargin;
    int width = RoundHalfEven(w / h * height);
    if (width > kScaleWidth) {
        width = kScaleWidth;
        height = RoundHalfEven(h / w * kScaleWidth);
    }
    if (width > 0 && height > 0) {
        m_image = LoadNamedPicture(m_name, QSize(width, height), ratio);
        m_size = m_image.isNull() ? QSize() : QSize(width, height);
    }
}

void ComposeZone(QImage& zone, bool placeChosen, double shownWeight, const ScaleFace& face,
                 const ObjectPicture& picture)
{
    Canvas canvas(zone);
    canvas.brush = {0x000000, BrushStyle::Solid};
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    if (!placeChosen)
        return;
    const int scaleTop = canvas.Height() - kScaleHeight;
    face.Draw(canvas, 0, scaleTop, shownWeight);
    if (picture.Present()) {
        const QSize size = picture.Size();
        canvas.Draw(kScaleWidth / 2 - size.width() / 2, scaleTop - size.height(), picture.Image());
    }
}
