// Plain pixel copies between a TDibPlus and an RGB32 picture.
#include "raster/surfacecopy.h"

void CopySurfaceToPicture(const TDibPlus& surface, QImage& picture, int x, int y)
{
    if (picture.format() != QImage::Format_RGB32)
        return;
    const QRect area = QRect(x, y, surface.Width(), surface.Height()) & picture.rect();
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const std::uint8_t* from = surface.Bits() + (row - y) * surface.RowBytes() + 3 * (area.left() - x);
        QRgb* to = reinterpret_cast<QRgb*>(picture.scanLine(row)) + area.left();
        for (int column = 0; column < area.width(); ++column, from += 3)
            to[column] = qRgb(from[2], from[1], from[0]);
    }
}

void CopyPictureToSurface(const QImage& picture, const QRect& from, TDibPlus& surface)
{
    if (picture.format() != QImage::Format_RGB32)
        return;
    const QRect area = from & picture.rect() & QRect(from.topLeft(), QSize(surface.Width(), surface.Height()));
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const QRgb* source = reinterpret_cast<const QRgb*>(picture.constScanLine(row)) + area.left();
        std::uint8_t* to = surface.Bits() + (row - from.top()) * surface.RowBytes() + 3 * (area.left() - from.left());
        for (int column = 0; column < area.width(); ++column, to += 3) {
            to[0] = static_cast<std::uint8_t>(qBlue(source[column]));
            to[1] = static_cast<std::uint8_t>(qGreen(source[column]));
            to[2] = static_cast<std::uint8_t>(qRed(source[column]));
        }
    }
}
