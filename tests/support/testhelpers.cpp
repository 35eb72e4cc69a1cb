#include "testhelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdlib>

namespace testing_support {

unsigned RgbAt(const QImage& image, int x, int y)
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

namespace {

    bool ChannelBetween(int value, int a, int b)
    {
        return value >= std::min(a, b) && value <= std::max(a, b);
    }

} // namespace

TextInk ReadTextInk(const QImage& image, const QRect& within, unsigned ink, unsigned ground)
{
    TextInk read;
    const QRect area = within.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const unsigned p = RgbAt(image, x, y);
            if (p == ground)
                continue;
            read.bounds |= QRect(x, y, 1, 1);
            read.closest
                = std::min(read.closest, std::max({std::abs(qRed(p) - qRed(ink)), std::abs(qGreen(p) - qGreen(ink)),
                                                   std::abs(qBlue(p) - qBlue(ink))}));
            if (p == ink)
                ++read.full;
            else if (ChannelBetween(qRed(p), qRed(ink), qRed(ground))
                     && ChannelBetween(qGreen(p), qGreen(ink), qGreen(ground))
                     && ChannelBetween(qBlue(p), qBlue(ink), qBlue(ground)))
                ++read.blended;
            else
                ++read.foreign;
        }
    }
    return read;
}

QImage Paint(QWidget* widget)
{
    return widget->grab().toImage();
}

void ProcessEvents(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

} // namespace testing_support
