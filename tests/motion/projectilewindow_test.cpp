// The projectile window: its entries, its picture and its parameters.
#include "motiontesting.h"

#include "controls/plaincontrols.h"
#include "motion/model/motionrules.h"
#include "motion/projectilewindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QtTest/QTest>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

using testing_support::Child;
using testing_support::RgbAt;

namespace {

void TypeInto(QWidget* window, const char* entry, const QString& text)
{
    auto* edit = Child<QLineEdit>(window, entry);
    edit->setFocus();
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

void Spin(QWidget* window, const char* name, bool up)
{
    auto* s = Child<SpinButton>(window, name);
    emit(up ? s->UpClick() : s->DownClick());
}

using ProjectileWindow = MotionTest;

TEST_F(ProjectileWindow, EntriesShowTheParametersAtShow)
{
    Opened<TBalleF> w;
    EXPECT_EQ(Child<QLineEdit>(w.Get(), "V0Ed")->text(), QStringLiteral(" 30 m/s"));
    EXPECT_EQ(Child<QLineEdit>(w.Get(), "AlphaEd")->text(), QStringLiteral(" 45 °"));
    EXPECT_EQ(Child<QLineEdit>(w.Get(), "AlphaEd")->maxLength(), 7);
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
        TypeInto(w.Get(), "AlphaEd", QString::fromLatin1(c.typed));
        EXPECT_EQ(w->LaunchAngle(), c.angle) << c.typed;
        EXPECT_EQ(w->FrameCount(), c.frameCount) << c.typed;
        EXPECT_EQ(Child<QLineEdit>(w.Get(), "AlphaEd")->text(), QStringLiteral(" %1 °").arg(c.angle)) << c.typed;
    }
}

TEST_F(ProjectileWindow, LeavingTheEntryReadsItToo)
{
    Opened<TBalleF> w;
    auto* edit = Child<QLineEdit>(w.Get(), "V0Ed");
    edit->setFocus();
    edit->setText(QStringLiteral("12"));
    Child<QLineEdit>(w.Get(), "AlphaEd")->setFocus();
    EXPECT_EQ(w->LaunchSpeed(), 12);
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
    auto* edit = Child<QLineEdit>(w.Get(), "V0Ed");
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
    TypeInto(w.Get(), "AlphaEd", QStringLiteral("0"));
    EXPECT_EQ(w->FrameCount(), 1);
    EXPECT_EQ(w->InfoLines()[2], QStringLiteral("Distance atteinte : 0.0 m "));
    EXPECT_EQ(w->InfoLines()[3], QStringLiteral("Hauteur atteinte : 0.0 m "));
    EXPECT_EQ(w->InfoLines()[4], QStringLiteral("Temps de vol : 0.0 s "));
    const int h = w->FrameBitmap().height();
    EXPECT_EQ(RgbAt(w->FrameBitmap(), 24, h - 21), RgbOf(AppSettings.clTraceB));
}

TEST_F(ProjectileWindow, AngleSpinStopsAtFiveGoingDown)
{
    Opened<TBalleF> w;
    const struct
    {
        const char* typed;
        bool up;
        int angle;
    } steps[] = {{"2", false, 5}, {"2", true, 3}, {"90", true, 90}};
    for (const auto& step : steps) {
        TypeInto(w.Get(), "AlphaEd", QString::fromLatin1(step.typed));
        Spin(w.Get(), "AlphaSpin", step.up);
        EXPECT_EQ(w->LaunchAngle(), step.angle) << step.typed << (step.up ? " up" : " down");
    }
}

TEST_F(ProjectileWindow, SpeedSpinStaysWithinFiveToThirty)
{
    Opened<TBalleF> w;
    Spin(w.Get(), "V0Spin", true);
    EXPECT_EQ(w->LaunchSpeed(), 30);
    TypeInto(w.Get(), "V0Ed", QStringLiteral("5"));
    Spin(w.Get(), "V0Spin", false);
    EXPECT_EQ(w->LaunchSpeed(), 5);
    TypeInto(w.Get(), "AlphaEd", QStringLiteral("5"));
    EXPECT_EQ(w->FrameCount(), 2);
    EXPECT_EQ(Child<QLineEdit>(w.Get(), "V0Ed")->text(), QStringLiteral(" 5 m/s"));
}

TEST_F(ProjectileWindow, ShorterMotionMovesToItsLastFrame)
{
    Opened<TBalleF> w;
    for (int i = 0; i < 79; ++i)
        w->PlayTimerTimer();
    ASSERT_EQ(w->CurFrame(), 80);
    TypeInto(w.Get(), "AlphaEd", QStringLiteral("10"));
    EXPECT_EQ(w->CurFrame(), w->FrameCount());
    EXPECT_EQ(w->FrameCount(), 22);
}

TEST_F(ProjectileWindow, NewParameterKeepsTheFrameAndThePlayback)
{
    Opened<TBalleF> w;
    Click(w.Get(), "PlayBout");
    w->PlayTimerTimer();
    w->PlayTimerTimer();
    TypeInto(w.Get(), "V0Ed", QStringLiteral("25"));
    EXPECT_EQ(w->CurFrame(), 3);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
}

TEST_F(ProjectileWindow, ParametersSurviveACloseButAreNotSettings)
{
    testing_support::TempDir dir;
    ASSERT_TRUE(SaveSettings(dir.File("before.ini")));
    TBalleF w;
    w.show();
    TypeInto(&w, "V0Ed", QStringLiteral("17"));
    w.close();
    w.show();
    EXPECT_EQ(w.LaunchSpeed(), 17);
    EXPECT_EQ(Child<QLineEdit>(&w, "V0Ed")->text(), QStringLiteral(" 17 m/s"));
    w.close();
    // The settings file would be written exactly as before.
    ASSERT_TRUE(SaveSettings(dir.File("after.ini")));
    EXPECT_EQ(testing_support::ReadFile(dir.File("after.ini")), testing_support::ReadFile(dir.File("before.ini")));
}

TEST_F(ProjectileWindow, BallBoxAroundItsPoint)
{
    Opened<TBalleF> w;
    const QImage& picture = w->FrameBitmap();
    const int y0 = picture.height() - 20;
    const unsigned ball = RgbOf(AppSettings.clTraceB);
    // Frame 1: the ball at the origin, in the box (19, y0-6) .. (29, y0+4).
    EXPECT_EQ(RgbAt(picture, 24, y0 - 6), ball);
    EXPECT_EQ(RgbAt(picture, 24, y0 + 4), ball);
    EXPECT_EQ(RgbAt(picture, 19, y0 - 1), ball);
    EXPECT_EQ(RgbAt(picture, 29, y0 - 1), ball);
    EXPECT_NE(RgbAt(picture, 24, y0 + 5), ball);
    EXPECT_NE(RgbAt(picture, 30, y0 - 1), ball);
    EXPECT_NE(RgbAt(picture, 19, y0 - 6), ball);
}

TEST_F(ProjectileWindow, AxesMeetAtTheOrigin)
{
    Opened<TBalleF> w;
    const QImage& back = w->BackBitmap();
    const int y0 = back.height() - 20;
    const unsigned text = RgbOf(AppSettings.clTexte);
    const unsigned frame = RgbOf(AppSettings.clCadre);
    EXPECT_EQ(RgbAt(back, 25, y0), text);
    EXPECT_EQ(RgbAt(back, 100, y0), text);
    EXPECT_EQ(RgbAt(back, 25, 10), text);
    // The frame's outline along the edges.
    EXPECT_EQ(RgbAt(back, 0, 0), frame);
    EXPECT_EQ(RgbAt(back, back.width() - 1, back.height() - 1), frame);
}

TEST_F(ProjectileWindow, TicksEveryTenMetresAlongTheDistance)
{
    Opened<TBalleF> w;
    const QImage& back = w->BackBitmap();
    const int y0 = back.height() - 20;
    const double perMetre = 1000.0 / WorldScale;
    const unsigned text = RgbOf(AppSettings.clTexte);
    for (int m = 0; m <= 90; m += 10) {
        const int x = int(std::nearbyint(25 + m * perMetre));
        EXPECT_EQ(RgbAt(back, x, y0 + 5), text) << m << " m";
    }
    // The 5 m tick is 4 pixels long, the metre ticks 2.
    const int five = int(std::nearbyint(25 + 5 * perMetre));
    EXPECT_EQ(RgbAt(back, five, y0 + 3), text);
    EXPECT_NE(RgbAt(back, five, y0 + 4), text);
    const int one = int(std::nearbyint(25 + perMetre));
    EXPECT_EQ(RgbAt(back, one, y0 + 1), text);
    EXPECT_NE(RgbAt(back, one, y0 + 2), text);
}

// The columns of the distance axis's metre ticks, read off the picture:
// every tick crosses the row under the axis, and nothing else does.
std::vector<int> MetreTicks(const QImage& back, int y0)
{
    std::vector<int> ticks;
    for (int x = 25; x < back.width() - 1; ++x)
        if (RgbAt(back, x, y0 + 1) == RgbOf(AppSettings.clTexte))
            ticks.push_back(x);
    return ticks;
}

// The centre of the ball's mark, whose box runs from X-6 to X+4.
QPoint BallCentre(const QImage& picture)
{
    QRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (RgbAt(picture, x, y) == RgbOf(AppSettings.clTraceB))
                box |= QRect(x, y, 1, 1);
    return box.topLeft() + QPoint(6, 6);
}

// 30 m/s at 45 degrees lands at 91.7 m: the ball's last position must read
// so on the axis drawn beside it, whatever the canvas width.
TEST_F(ProjectileWindow, BallLandsOnTheAxisAtItsComputedRange)
{
    for (int canvasWidth : {417, 1000, 1600}) {
        Opened<TBalleF> w(QSize(canvasWidth + 10, 380));
        ASSERT_EQ(w->BackBitmap().width(), canvasWidth);
        Click(w.Get(), "FinBout");
        const int y0 = w->BackBitmap().height() - 20;
        const std::vector<int> ticks = MetreTicks(w->BackBitmap(), y0);
        ASSERT_GT(ticks.size(), 92u) << canvasWidth;
        const double at917 = ticks[91] + 0.7 * (ticks[92] - ticks[91]);
        const QPoint ball = BallCentre(w->FrameBitmap());
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
        Child<QCheckBox>(w.Get(), "TraceBCheck")->setChecked(true);
        // The steps stop on the marked frames; on frame 86 the ball covers
        // its own cross.
        for (int i = 0; i < 17; ++i)
            Click(w.Get(), "AvantBout");
        ASSERT_EQ(w->CurFrame(), 86);
        const QPoint ball = BallCentre(w->FrameBitmap());
        std::vector<QPoint> crosses = CrossCentres(w->FrameBitmap(), AppSettings.clTraceB, ball);
        ASSERT_EQ(crosses.size(), 17u) << canvasWidth;
        std::sort(crosses.begin(), crosses.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
        EXPECT_EQ(crosses.front(), QPoint(25, w->BackBitmap().height() - 20)) << canvasWidth;
        const double gap = 30 * std::cos(std::numbers::pi / 4) * 0.25 * 1000 / WorldScale;
        for (std::size_t i = 1; i < crosses.size(); ++i)
            EXPECT_NEAR(crosses[i].x() - crosses[i - 1].x(), gap, 1.0) << canvasWidth << " px, gap " << i;
    }
}

} // namespace
