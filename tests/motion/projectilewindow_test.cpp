// The projectile window: its entries, its picture and its parameters.
#include "motiontesting.h"

#include "controls/plaincontrols.h"
#include "motion/model/motionrules.h"
#include "motion/tballef.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QtTest/QTest>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using testing_support::child;
using testing_support::rgbAt;

namespace {

void typeInto(QWidget* window, const char* entry, const QString& text)
{
    auto* edit = child<QLineEdit>(window, entry);
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void spin(QWidget* window, const char* name, bool up)
{
    auto* s = child<SpinButton>(window, name);
    emit(up ? s->upClick() : s->downClick());
}

using ProjectileWindow = MotionTest;

TEST_F(ProjectileWindow, EntriesShowTheParametersAtShow)
{
    Opened<TBalleF> w;
    EXPECT_EQ(child<QLineEdit>(w.get(), "V0Ed")->text(), QStringLiteral(" 30 m/s"));
    EXPECT_EQ(child<QLineEdit>(w.get(), "AlphaEd")->text(), QStringLiteral(" 45 °"));
    EXPECT_EQ(child<QLineEdit>(w.get(), "AlphaEd")->maxLength(), 7);
}

struct TypedAngle
{
    const char* typed;
    int angle;
    int frameCount;
};

TEST_F(ProjectileWindow, TypedAnglesAreFilteredAndClamped)
{
    const TypedAngle cases[] = {{"4a5", 45, 87}, {"120", 45, 87}, {"99", 90, 123}, {"-10", 10, 22}, {"0", 0, 1}};
    Opened<TBalleF> w;
    for (const TypedAngle& c : cases) {
        typeInto(w.get(), "AlphaEd", QString::fromLatin1(c.typed));
        EXPECT_EQ(w->launchAngle(), c.angle) << c.typed;
        EXPECT_EQ(w->frameCount(), c.frameCount) << c.typed;
        EXPECT_EQ(child<QLineEdit>(w.get(), "AlphaEd")->text(), QStringLiteral(" %1 °").arg(c.angle)) << c.typed;
    }
}

TEST_F(ProjectileWindow, LeavingTheEntryReadsItToo)
{
    Opened<TBalleF> w;
    auto* edit = child<QLineEdit>(w.get(), "V0Ed");
    edit->setFocus();
    edit->setText(QStringLiteral("12"));
    child<QLineEdit>(w.get(), "AlphaEd")->setFocus();
    EXPECT_EQ(w->launchSpeed(), 12);
    EXPECT_EQ(edit->text(), QStringLiteral(" 12 m/s"));
}

TEST_F(ProjectileWindow, OnlyAMoveToAnotherControlReadsTheEntry)
{
    const struct
    {
        Qt::FocusReason reason;
        bool read;
    } cases[] = {
        {Qt::TabFocusReason, true},
        {Qt::MouseFocusReason, true},
        {Qt::PopupFocusReason, false}, // its context menu, to paste
        {Qt::ActiveWindowFocusReason, false}, // another window in front
    };
    Opened<TBalleF> w;
    auto* edit = child<QLineEdit>(w.get(), "V0Ed");
    for (const auto& c : cases) {
        edit->setText(QString());
        QFocusEvent leave(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(edit, &leave);
        EXPECT_EQ(edit->text(), c.read ? QStringLiteral(" 30 m/s") : QString()) << c.reason;
    }
}

TEST_F(ProjectileWindow, FlatShotLiesAtTheOriginWithZeroes)
{
    Opened<TBalleF> w;
    typeInto(w.get(), "AlphaEd", QStringLiteral("0"));
    EXPECT_EQ(w->frameCount(), 1);
    EXPECT_EQ(w->infoLines()[2], QStringLiteral("Distance atteinte : 0.0 m "));
    EXPECT_EQ(w->infoLines()[3], QStringLiteral("Hauteur atteinte : 0.0 m "));
    EXPECT_EQ(w->infoLines()[4], QStringLiteral("Temps de vol : 0.0 s "));
    const int h = w->frameBitmap().height();
    EXPECT_EQ(rgbAt(w->frameBitmap(), 24, h - 21), rgbOf(AppSettings.clTraceB));
}

TEST_F(ProjectileWindow, AngleSpinStopsAtFiveGoingDown)
{
    Opened<TBalleF> w;
    typeInto(w.get(), "AlphaEd", QStringLiteral("2"));
    spin(w.get(), "AlphaSpin", false);
    EXPECT_EQ(w->launchAngle(), 5);
    typeInto(w.get(), "AlphaEd", QStringLiteral("2"));
    spin(w.get(), "AlphaSpin", true);
    EXPECT_EQ(w->launchAngle(), 3);
    typeInto(w.get(), "AlphaEd", QStringLiteral("90"));
    spin(w.get(), "AlphaSpin", true);
    EXPECT_EQ(w->launchAngle(), 90);
}

TEST_F(ProjectileWindow, SpeedSpinStaysWithinFiveToThirty)
{
    Opened<TBalleF> w;
    spin(w.get(), "V0Spin", true);
    EXPECT_EQ(w->launchSpeed(), 30);
    typeInto(w.get(), "V0Ed", QStringLiteral("5"));
    spin(w.get(), "V0Spin", false);
    EXPECT_EQ(w->launchSpeed(), 5);
    typeInto(w.get(), "AlphaEd", QStringLiteral("5"));
    EXPECT_EQ(w->frameCount(), 2);
    EXPECT_EQ(child<QLineEdit>(w.get(), "V0Ed")->text(), QStringLiteral(" 5 m/s"));
}

TEST_F(ProjectileWindow, ShorterMotionMovesToItsLastFrame)
{
    Opened<TBalleF> w;
    for (int i = 0; i < 79; ++i)
        w->PlayTimerTimer();
    ASSERT_EQ(w->curFrame(), 80);
    typeInto(w.get(), "AlphaEd", QStringLiteral("10"));
    EXPECT_EQ(w->curFrame(), w->frameCount());
    EXPECT_EQ(w->frameCount(), 22);
}

TEST_F(ProjectileWindow, NewParameterKeepsTheFrameAndThePlayback)
{
    Opened<TBalleF> w;
    click(w.get(), "PlayBout");
    w->PlayTimerTimer();
    w->PlayTimerTimer();
    typeInto(w.get(), "V0Ed", QStringLiteral("25"));
    EXPECT_EQ(w->curFrame(), 3);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
}

TEST_F(ProjectileWindow, ParametersSurviveACloseButAreNotSettings)
{
    testing_support::TempDir dir;
    ASSERT_TRUE(SaveSettings(dir.file("before.ini")));
    TBalleF w;
    w.show();
    typeInto(&w, "V0Ed", QStringLiteral("17"));
    w.close();
    w.show();
    EXPECT_EQ(w.launchSpeed(), 17);
    EXPECT_EQ(child<QLineEdit>(&w, "V0Ed")->text(), QStringLiteral(" 17 m/s"));
    w.close();
    // The settings file would be written exactly as before.
    ASSERT_TRUE(SaveSettings(dir.file("after.ini")));
    EXPECT_EQ(testing_support::readFile(dir.file("after.ini")), testing_support::readFile(dir.file("before.ini")));
}

TEST_F(ProjectileWindow, BallBoxAroundItsPoint)
{
    Opened<TBalleF> w;
    const QImage& picture = w->frameBitmap();
    const int y0 = picture.height() - 20;
    const unsigned ball = rgbOf(AppSettings.clTraceB);
    // Frame 1: the ball at the origin, in the box (19, y0-6) .. (29, y0+4).
    EXPECT_EQ(rgbAt(picture, 24, y0 - 6), ball);
    EXPECT_EQ(rgbAt(picture, 24, y0 + 4), ball);
    EXPECT_EQ(rgbAt(picture, 19, y0 - 1), ball);
    EXPECT_EQ(rgbAt(picture, 29, y0 - 1), ball);
    EXPECT_NE(rgbAt(picture, 24, y0 + 5), ball);
    EXPECT_NE(rgbAt(picture, 30, y0 - 1), ball);
    EXPECT_NE(rgbAt(picture, 19, y0 - 6), ball);
}

TEST_F(ProjectileWindow, AxesMeetAtTheOrigin)
{
    Opened<TBalleF> w;
    const QImage& back = w->backBitmap();
    const int y0 = back.height() - 20;
    const unsigned text = rgbOf(AppSettings.clTexte);
    const unsigned frame = rgbOf(AppSettings.clCadre);
    EXPECT_EQ(rgbAt(back, 25, y0), text);
    EXPECT_EQ(rgbAt(back, 100, y0), text);
    EXPECT_EQ(rgbAt(back, 25, 10), text);
    // The frame's outline along the edges.
    EXPECT_EQ(rgbAt(back, 0, 0), frame);
    EXPECT_EQ(rgbAt(back, back.width() - 1, back.height() - 1), frame);
}

TEST_F(ProjectileWindow, TicksEveryTenMetresAlongTheDistance)
{
    Opened<TBalleF> w;
    const QImage& back = w->backBitmap();
    const int y0 = back.height() - 20;
    const double perMetre = 1000.0 / WorldScale;
    const unsigned text = rgbOf(AppSettings.clTexte);
    for (int m = 0; m <= 90; m += 10) {
        const int x = int(std::nearbyint(25 + m * perMetre));
        EXPECT_EQ(rgbAt(back, x, y0 + 5), text) << m << " m";
    }
    // The 5 m tick is 4 pixels long, the metre ticks 2.
    const int five = int(std::nearbyint(25 + 5 * perMetre));
    EXPECT_EQ(rgbAt(back, five, y0 + 3), text);
    EXPECT_NE(rgbAt(back, five, y0 + 4), text);
    const int one = int(std::nearbyint(25 + perMetre));
    EXPECT_EQ(rgbAt(back, one, y0 + 1), text);
    EXPECT_NE(rgbAt(back, one, y0 + 2), text);
}

// The columns of the distance axis's metre ticks, read off the picture:
// every tick crosses the row under the axis, and nothing else does.
std::vector<int> metreTicks(const QImage& back, int y0)
{
    std::vector<int> ticks;
    for (int x = 25; x < back.width() - 1; ++x)
        if (rgbAt(back, x, y0 + 1) == rgbOf(AppSettings.clTexte))
            ticks.push_back(x);
    return ticks;
}

// The centre of the ball's mark, whose box runs from X-6 to X+4.
QPoint ballCentre(const QImage& picture)
{
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (rgbAt(picture, x, y) == rgbOf(AppSettings.clTraceB))
                box |= QRect(x, y, 1, 1);
    return box.topLeft() + QPoint(6, 6);
}

// 30 m/s at 45 degrees lands at 91.7 m: the ball's last position must read
// so on the axis drawn beside it, whatever the canvas width.
TEST_F(ProjectileWindow, BallLandsOnTheAxisAtItsComputedRange)
{
    for (int canvasWidth : {417, 1000, 1600}) {
        Opened<TBalleF> w(QSize(canvasWidth + 10, 380));
        ASSERT_EQ(w->backBitmap().width(), canvasWidth);
        click(w.get(), "FinBout");
        const int y0 = w->backBitmap().height() - 20;
        const std::vector<int> ticks = metreTicks(w->backBitmap(), y0);
        ASSERT_GT(ticks.size(), 92u) << canvasWidth;
        const double at917 = ticks[91] + 0.7 * (ticks[92] - ticks[91]);
        const QPoint ball = ballCentre(w->frameBitmap());
        EXPECT_NEAR(ball.x(), at917, 1.0) << canvasWidth;
        EXPECT_EQ(ball.y(), y0) << canvasWidth;
    }
}

// Marks every 0.25 s of a uniform horizontal motion at 21.2 m/s lie
// 5.30 m apart: each gap is that distance to the pixel.
TEST_F(ProjectileWindow, CrossesAreEvenlySpacedAlongTheDistance)
{
    for (int canvasWidth : {417, 1000}) {
        Opened<TBalleF> w(QSize(canvasWidth + 10, 380));
        child<QCheckBox>(w.get(), "TraceBCheck")->setChecked(true);
        // The steps stop on the marked frames; on frame 86 the ball covers
        // its own cross.
        for (int i = 0; i < 17; ++i)
            click(w.get(), "AvantBout");
        ASSERT_EQ(w->curFrame(), 86);
        const QPoint ball = ballCentre(w->frameBitmap());
        std::vector<QPoint> crosses = crossCentres(w->frameBitmap(), AppSettings.clTraceB, ball);
        ASSERT_EQ(crosses.size(), 17u) << canvasWidth;
        std::sort(crosses.begin(), crosses.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
        EXPECT_EQ(crosses.front(), QPoint(25, w->backBitmap().height() - 20)) << canvasWidth;
        const double gap = 30 * std::cos(std::numbers::pi / 4) * 0.25 * 1000 / WorldScale;
        for (std::size_t i = 1; i < crosses.size(); ++i)
            EXPECT_NEAR(crosses[i].x() - crosses[i - 1].x(), gap, 1.0) << canvasWidth << " px, gap " << i;
    }
}

} // namespace
