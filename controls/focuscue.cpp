#include "controls/focuscue.h"

#include <QPainter>
#include <QPolygon>
#include <QWidget>

bool ShowsFocusCue(const QWidget* control)
{
    return control->hasFocus() && control->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void DrawFocusCue(QPainter& painter, const QRect& rect)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    const int l = rect.left();
    const int t = rect.top();
    const int r = rect.right();
    const int b = rect.bottom();
    // The edge pixels of a checkerboard anchored at the top-left corner,
    // each pixel once: inverting twice gives the picture back.
    QPolygon dots;
    auto dot = [&](int x, int y) {
        if ((x - l + y - t) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = l; x <= r; ++x) {
        dot(x, t);
        if (b != t)
            dot(x, b);
    }
    for (int y = t + 1; y < b; ++y) {
        dot(l, y);
        if (r != l)
            dot(r, y);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPoints(dots);
    painter.restore();
}
