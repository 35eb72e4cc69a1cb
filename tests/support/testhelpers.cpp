#include "testhelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace testing_support {

unsigned rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}

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

void processEvents(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

} // namespace testing_support
