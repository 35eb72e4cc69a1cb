// The motion windows by keyboard and screen reader: the Tab order of the
// projectile window, and the picture's description following the frame.
#include "motiontesting.h"

#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QtTest/QTest>

namespace {

using MotionAccess = MotionTest;

// The object name of each control Tab reaches from the picture, one lap.
QStringList TabLap(QWidget* window, int steps)
{
    QWidget* picture = testing_support::Child<QWidget>(window, "Canevas");
    picture->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QString name = focus->objectName();
        // A spin button's arrows are named by the spin button they serve.
        if (focus->parentWidget() && focus->parentWidget()->inherits("SpinButton"))
            name = focus->parentWidget()->objectName() + QLatin1Char('.') + name;
        visited << name;
    }
    return visited;
}

TEST_F(MotionAccess, TabFollowsTheProjectilePanelAsTheEyeReadsIt)
{
    Opened<TBalleF> w;
    const QStringList expected{"Canevas",
                               "AideBout",
                               "CopierBout",
                               "CloseBout",
                               "CalcBout",
                               "IpsCombo",
                               "TraceBCheck",
                               "AlphaSpin.UpButton",
                               "AlphaSpin.DownButton",
                               "AlphaEd",
                               "V0Spin.UpButton",
                               "V0Spin.DownButton",
                               "V0Ed",
                               "DebutBout",
                               "ArriereBout",
                               "AvantBout",
                               "FinBout",
                               "StopBout",
                               "PlayBout",
                               "BoucleBout",
                               "Canevas"};
    EXPECT_EQ(TabLap(w.Get(), int(expected.size()) - 1), expected);
}

TEST_F(MotionAccess, TabGoesDownTheFreeFallPanel)
{
    Opened<TChuteF> w;
    const QStringList expected{"Canevas",
                               "NoCursBout",
                               "DebutBout",
                               "FinBout",
                               "PlayBout",
                               "ArriereBout",
                               "AvantBout",
                               "StopBout",
                               "IpsCombo",
                               "HauteurSpin.UpButton",
                               "HauteurSpin.DownButton",
                               "HautEd",
                               "TraceBCheck",
                               "CloseBout",
                               "AideBout",
                               "CalcBout",
                               "CopierBout",
                               "Canevas"};
    EXPECT_EQ(TabLap(w.Get(), int(expected.size()) - 1), expected);
}

TEST_F(MotionAccess, PictureDescriptionFollowsTheFrame)
{
    Opened<TBalleF> w;
    QWidget* picture = testing_support::Child<QWidget>(w.Get(), "Canevas");
    QAccessibleInterface* speech = QAccessible::queryAccessibleInterface(picture);
    ASSERT_NE(speech, nullptr);
    EXPECT_EQ(speech->text(QAccessible::Name), QStringLiteral("Image du mouvement"));
    EXPECT_EQ(speech->text(QAccessible::Description),
              QStringLiteral("Image 1 sur 87, t = 0,00 s, x = 0,0 m, y = 0,0 m"));

    Click(w.Get(), "FinBout");
    EXPECT_EQ(speech->text(QAccessible::Description),
              QStringLiteral("Image 87 sur 87, t = 4,32 s, x = 91,7 m, y = 0,0 m"));
    Click(w.Get(), "ArriereBout");
    EXPECT_TRUE(
        speech->text(QAccessible::Description).startsWith(QStringLiteral("Image %1 sur 87, t = ").arg(w->CurFrame())));
    EXPECT_LT(w->CurFrame(), 87);
}

} // namespace
