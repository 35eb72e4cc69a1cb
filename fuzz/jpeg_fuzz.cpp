// Any bytes handed to the JPEG loader: either a null picture or a whole one
// of a sane size, and a decoded picture stretches onto a globe's map as
// the globe view draws it.
#include "fuzz/fuzzcheck.h"
#include "raster/globeview.h"
#include "raster/tdibplus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage image = DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (image.isNull())
        return 0;
    FuzzCheck(image.format() == QImage::Format_RGB32, "a decoded picture is RGB32");
    FuzzCheck(image.width() >= 1 && image.height() >= 1 && image.width() <= 8192 && image.height() <= 8192,
              "a decoded picture has a sane size");
    static TDibPlus map(kGlobeMapColumns, 621);
    map.Canvas().StretchDraw(QRect(0, 0, kGlobeMapColumns, kGlobeMapRows), image);
    return 0;
}
