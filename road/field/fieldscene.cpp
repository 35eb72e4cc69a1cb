#include "road/field/fieldscene.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"
#include "raster/tdibplus.h"
#include "road/field/fieldview.h"

#include <algorithm>
#include <cmath>

namespace {

const QString kRoadPictureName = QStringLiteral("Route");
constexpr TColor kSkyTop = 0x500000; // dark blue
constexpr TColor kSkyBottom = 0x000000;

} // namespace

bool RoadPicture::Load()
{
    Release();
    m_naturalSize = LoadNamedPicture(kRoadPictureName).size();
    return IsLoaded();
}

void RoadPicture::Release()
{
    m_naturalSize = QSize();
    m_rendered = QImage();
}

QImage RoadPicture::RenderedAt(int width, qreal ratio)
{
    if (!IsLoaded() || width < 1)
        return {};
    const double height = RoundHalfEven(double(m_naturalSize.height()) / m_naturalSize.width() * width);
    const QSize size(width, std::max(1, int(height)));
    // Drawn from the vector picture at the display's own size, so that it
    // stays sharp however large the window.
    if (m_rendered.isNull() || m_rendered.deviceIndependentSize().toSize() != size
        || m_rendered.devicePixelRatio() != ratio)
        m_rendered = LoadNamedPicture(kRoadPictureName, size, ratio);
    return m_rendered;
}

void BuildBackground(TDibPlus& background, RoadPicture& picture, qreal ratio)
{
    if (!background.HasHandle())
        return;
    QImage view = SurfacePicture(background, ratio);
    Canvas canvas(view);
    VerticalGradient(view, kSkyTop, kSkyBottom, canvas.Height());
    const QImage road = picture.RenderedAt(canvas.Width(), ratio);
    if (!road.isNull())
        canvas.Draw(0, canvas.Height() - road.deviceIndependentSize().toSize().height(), road);
}
