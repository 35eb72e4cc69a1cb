#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>

DisplayInfo CurrentDisplay()
{
    DisplayInfo info;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        info.bitsPerPixel = screen->depth();
        info.width = screen->size().width();
        info.height = screen->size().height();
    }
    return info;
}
