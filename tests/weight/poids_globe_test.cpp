// The globes of the weight window: turning to a chosen place, and dragged
// with the mouse, the surface following it.
#include "poidstesting.h"

#include "raster/globeview.h"
#include "weight/model/placetable.h"

#include <QTest>
#include <QTimer>
#include <cmath>

using testing_support::child;

namespace {

// Centre of the red marker's pixels on the globe picture (-1, -1 if none).
QPointF MarkerCentre(const QImage& picture)
{
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60) {
                sx += x;
                sy += y;
                ++n;
            }
        }
    return n ? QPointF(sx / n, sy / n) : QPointF(-1, -1);
}

} // namespace

TEST_F(PoidsTest, ChosenPlaceTurnsItsGlobeInTenTicks)
{
    TPoidsF& w = open();
    settleGlobes();
    choosePlace(3, 10);
    EXPECT_TRUE(child<QTimer>(&w, "AnimTimer")->isActive());
    EXPECT_EQ(settleGlobes(), 10);
    EXPECT_EQ(GlobeTurn[3], float(PlaceTable[10].Turn));
    EXPECT_EQ(GlobeTilt[3], float(PlaceTable[10].Tilt));
    EXPECT_FALSE(child<QTimer>(&w, "AnimTimer")->isActive());
}

TEST_F(PoidsTest, VerticalDragOfTheGlobeHeightTiltsAQuarterTurnAndNoFurther)
{
    TPoidsF& w = open();
    settleGlobes();
    QWidget* display = child<QWidget>(&w, "Display2");
    choosePlace(2, 14);
    settleGlobes();
    ASSERT_EQ(GlobeTilt[2], -43.0f);
    QTest::mousePress(display, Qt::LeftButton, {}, QPoint(100, 216));
    EXPECT_TRUE(w.Dragging());
    // A drag stops the globe's own movement.
    EXPECT_FALSE(w.GlobeMoving(2));
    w.Display1MouseMove(2, QPoint(100, 108), Qt::LeftButton);
    EXPECT_EQ(GlobeTilt[2], -43.0f + 44.0f);
    w.Display1MouseMove(2, QPoint(100, -1), Qt::LeftButton);
    EXPECT_EQ(GlobeTilt[2], 47.0f);
    w.Display1MouseMove(2, QPoint(100, -300), Qt::LeftButton);
    EXPECT_EQ(GlobeTilt[2], 90.0f);
    w.Display1MouseMove(2, QPoint(100, 900), Qt::LeftButton);
    EXPECT_EQ(GlobeTilt[2], -90.0f);
    QTest::mouseRelease(display, Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_FALSE(w.Dragging());
    const float tilt = GlobeTilt[2];
    w.Display1MouseMove(2, QPoint(100, 0), Qt::LeftButton);
    EXPECT_EQ(GlobeTilt[2], tilt);
}

TEST_F(PoidsTest, DraggedGlobeSurfaceFollowsTheMouse)
{
    TPoidsF& w = open();
    settleGlobes();
    const QPointF before = MarkerCentre(GlobePicture(1));
    ASSERT_GE(before.x(), 0);
    w.Display1MouseDown(1, QPoint(100, 100), Qt::LeftButton);
    w.Display1MouseMove(1, QPoint(130, 100), Qt::LeftButton);
    const QPointF right = MarkerCentre(GlobePicture(1));
    EXPECT_GT(right.x(), before.x() + 10);
    w.Display1MouseMove(1, QPoint(130, 60), Qt::LeftButton);
    const QPointF up = MarkerCentre(GlobePicture(1));
    EXPECT_LT(up.y(), right.y() - 10);
    // The right button does not drag.
    w.Display1MouseUp(1);
    w.Display1MouseDown(1, QPoint(100, 100), Qt::RightButton);
    EXPECT_FALSE(w.Dragging());
}
