#include "inkbounds.h"

QRect InkBounds(const QImage& image, const QRect& within)
{
    QRect bounds;
    const QRect area = within.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

QImage Paint(QWidget* widget)
{
    return widget->grab().toImage();
}
