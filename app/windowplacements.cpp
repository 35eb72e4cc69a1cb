#include "app/windowplacements.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

QRect KeepOnScreens(const QRect& rect, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return rect;
    for (const QRect& screen : screens)
        if (screen.intersects(rect))
            return rect;
    // A window stored on a screen that has gone would open out of reach.
    const QRect& primary = screens.first();
    QRect moved = rect;
    moved.moveTopLeft(primary.topLeft());
    return moved;
}

void ApplyPlacement(QWidget* window, const WindowPlacement& placement)
{
    const int width = placement.W > 0 ? placement.W : window->width();
    const int height = placement.H > 0 ? placement.H : window->height();
    const QRect place = KeepOnScreens(QRect(placement.X, placement.Y, width, height), screenAreas());
    window->move(place.topLeft());
    window->resize(place.size());
    if (placement.Maxis)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void CapturePlacement(const QWidget* window, WindowPlacement& placement)
{
    placement.Maxis = window->isMaximized();
    placement.X = window->x();
    placement.Y = window->y();
    // A maximised window's size is the screen's: keep its last normal size.
    if (placement.Maxis)
        return;
    placement.W = window->width();
    placement.H = window->height();
}
