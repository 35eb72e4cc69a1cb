#include "app/windowplacement.h"

#include "window/modulewindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdint>

namespace {

// A rectangle in 64-bit numbers: stored places near the ends of the 32-bit
// range would overflow QRect's arithmetic.
struct Span
{
    std::int64_t start;
    std::int64_t length;

    std::int64_t End() const { return start + length; }
};

std::int64_t Overlap(Span a, Span b)
{
    return std::max<std::int64_t>(0, std::min(a.End(), b.End()) - std::max(a.start, b.start));
}

Span Horizontal(const QRect& r)
{
    return {r.left(), r.width()};
}

Span Vertical(const QRect& r)
{
    return {r.top(), r.height()};
}

// Index of the screen that shows the largest part of the window; -1 when
// none shows any of it.
int MostShowingScreen(Span x, Span y, const QList<QRect>& screens)
{
    int best = -1;
    std::int64_t bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const std::int64_t area = Overlap(x, Horizontal(screens[i])) * Overlap(y, Vertical(screens[i]));
        if (area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    return best;
}

std::int64_t StoredLength(std::int32_t stored, int design)
{
    return stored > 0 ? stored : std::max(design, 1);
}

bool IsDefaultSize(const WindowPlacement& placement)
{
    const WindowPlacement defaults;
    return placement.W == defaults.W && placement.H == defaults.H;
}

// The position that puts [start, start + length) inside the screen's span,
// or at its start when it is longer.
std::int64_t MovedIn(std::int64_t start, std::int64_t length, Span screen)
{
    return std::max(screen.start, std::min(start, screen.End() - length));
}

} // namespace

QSize FirstSize(QSize designSize)
{
    const WindowPlacement defaults;
    return designSize.expandedTo(QSize(defaults.W, defaults.H));
}

QRect ReachablePlace(const WindowPlacement& placement, QSize designSize, const QList<QRect>& screens)
{
    // Positions are those of the frame, sizes those of the client area.
    const QSize frame = DesignFrame;
    const QSize first = FirstSize(designSize);
    std::int64_t width = IsDefaultSize(placement) ? first.width() : StoredLength(placement.W, designSize.width());
    std::int64_t height = IsDefaultSize(placement) ? first.height() : StoredLength(placement.H, designSize.height());
    if (screens.isEmpty())
        return QRect(0, 0, int(std::min<std::int64_t>(width, QWIDGETSIZE_MAX)),
                     int(std::min<std::int64_t>(height, QWIDGETSIZE_MAX)));

    const Span storedX{placement.X, width + frame.width()};
    const Span storedY{placement.Y, height + frame.height()};
    const int shown = MostShowingScreen(storedX, storedY, screens);
    const QRect screen = screens[std::max(shown, 0)];

    // A window larger than its screen is made to fit.
    width = std::min<std::int64_t>(width, std::max(screen.width() - frame.width(), 1));
    height = std::min<std::int64_t>(height, std::max(screen.height() - frame.height(), 1));
    if (shown < 0)
        return QRect(screen.topLeft(), QSize(int(width), int(height)));
    const std::int64_t x = MovedIn(placement.X, width + frame.width(), Horizontal(screen));
    const std::int64_t y = MovedIn(placement.Y, height + frame.height(), Vertical(screen));
    return QRect(int(x), int(y), int(width), int(height));
}

QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas.append(screen->availableGeometry());
    return areas;
}

void ApplyPlacement(QWidget* window, const WindowPlacement& placement)
{
    const QRect place = ReachablePlace(placement, window->size(), ScreenAreas());
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
