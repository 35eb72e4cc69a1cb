#include "road/field/fieldscene.h"

#include "canvas/picturehelpers.h"
#include "canvas/textformat.h"
#include "platform/resources/namedresources.h"
#include "raster/tdibplus.h"

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

QImage RoadPicture::RenderedAt(int width)
{
    if (!IsLoaded() || width < 1)
        return {};
    const double height = RoundHalfEven(double(m_naturalSize.height()) / m_naturalSize.width() * width);
    const QSize size(width, std::max(1, int(height)));
    // Drawn from the vector picture at the display's own size, so that it
    // stays sharp however large the window.
    if (m_rendered.size() != size)
        m_rendered = LoadNamedPicture(kRoadPictureName, size);
    return m_rendered;
}

void BuildBackground(TDibPlus& background, RoadPicture& picture)
{
    if (!background.HasHandle())
        return;
    Canvas& canvas = background.Canvas();
    VerticalGradient(canvas.Image(), kSkyTop, kSkyBottom, background.Height());
    const QImage road = picture.RenderedAt(background.Width());
    if (!road.isNull())
        canvas.Draw(0, background.Height() - road.height(), road);
}
