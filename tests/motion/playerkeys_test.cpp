// The motion windows' keyboard: Ctrl steps forward (and repeats while held),
// Ctrl+V toggles the trace lock even from an edit box; Space, the arrows,
// Home and End drive the film unless an edit box has the focus.
#include "motiontesting.h"

#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/model/motionrules.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest/QTest>

using testing_support::child;

namespace {

// Remembers which key presses reach a widget.
class KeySeen : public QObject
{
public:
    QList<int> keys;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
};

using PlayerKeys = MotionTest;

TEST_F(PlayerKeys, CtrlStepsForwardLikeTheStepButton)
{
    Opened<TBalleF> w;
    QTest::keyPress(keyTarget(w.get()), Qt::Key_Control);
    EXPECT_EQ(w->curFrame(), 6);
    QTest::keyRelease(keyTarget(w.get()), Qt::Key_Control);
    EXPECT_FALSE(w->ctrlRepeat().isActive());
}

TEST_F(PlayerKeys, HeldCtrlKeepsSteppingUntilReleased)
{
    Opened<TRoueF> w;
    w->ctrlRepeat().setTimings(1, 1);
    QTest::keyPress(keyTarget(w.get()), Qt::Key_Control);
    EXPECT_TRUE(w->ctrlRepeat().isActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->curFrame() >= 4; }, 5000));
    QTest::keyRelease(keyTarget(w.get()), Qt::Key_Control);
    const int released = w->curFrame();
    testing_support::processEvents(20);
    EXPECT_EQ(w->curFrame(), released);
}

TEST_F(PlayerKeys, CtrlVTogglesTheLockAfterOneStep)
{
    Opened<TBalleF> w;
    child<QCheckBox>(w.get(), "TraceBCheck")->setChecked(true);
    QTest::keyClick(keyTarget(w.get()), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(AppSettings.LockFlag);
    EXPECT_EQ(w->curFrame(), 6);
    EXPECT_FALSE(child<QCheckBox>(w.get(), "TraceBCheck")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(w.get(), "TraceBCheck")->isChecked());
    EXPECT_EQ(PlayFlags & PlayBit::AllTraces, 0);
    QTest::keyClick(keyTarget(w.get()), Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(AppSettings.LockFlag);
    EXPECT_TRUE(child<QCheckBox>(w.get(), "TraceBCheck")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(w.get(), "TraceBCheck")->isChecked());
}

TEST_F(PlayerKeys, CtrlVWorksFromAnEditBoxAndPastesNothing)
{
    AppSettings.LockFlag = true;
    Opened<TChuteF> w;
    auto* edit = child<QLineEdit>(w.get(), "HautEd");
    edit->setFocus();
    const QString before = edit->text();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(AppSettings.LockFlag);
    EXPECT_TRUE(child<QCheckBox>(w.get(), "TraceBCheck")->isEnabled());
    EXPECT_EQ(edit->text(), before);
}

TEST_F(PlayerKeys, OtherKeysGoToTheFocusedControl)
{
    Opened<TBalleF> w;
    auto* edit = child<QLineEdit>(w.get(), "AlphaEd");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    EXPECT_EQ(w->curFrame(), 1);
}

TEST_F(PlayerKeys, WheelKeepsTheCtrlKeyOthersPassItOn)
{
    struct Case
    {
        std::unique_ptr<MotionWindow> window;
        bool reaches;
    };
    Case cases[] = {{std::make_unique<TRoueF>(), false}, {std::make_unique<TBalleF>(), true}};
    for (Case& c : cases) {
        c.window->show();
        c.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(c.window.get()));
        if (auto* edit = c.window->findChild<QLineEdit*>())
            edit->setFocus();
        QWidget* target = keyTarget(c.window.get());
        KeySeen seen;
        target->installEventFilter(&seen);
        QTest::keyPress(target, Qt::Key_Control);
        QTest::keyRelease(target, Qt::Key_Control);
        EXPECT_EQ(seen.keys.contains(Qt::Key_Control), c.reaches) << c.window->objectName().toStdString();
        EXPECT_EQ(c.window->curFrame(), c.window->objectName() == "RoueF" ? 2 : 6);
        c.window->close();
    }
}

TEST_F(PlayerKeys, TransportKeysDriveTheFilmOutsideAnEditBox)
{
    Opened<TBalleF> w;
    // The window opens with the keyboard on the picture.
    QTest::keyClick(keyTarget(w.get()), Qt::Key_End);
    EXPECT_EQ(w->curFrame(), w->frameCount());
    QTest::keyClick(keyTarget(w.get()), Qt::Key_Home);
    // A list box would take Home and End for its own items.
    auto* rate = child<QComboBox>(w.get(), "IpsCombo");
    rate->setFocus();
    const int rateItem = rate->currentIndex();
    const int last = w->frameCount();
    struct Step
    {
        const char* name;
        Qt::Key key;
        int frame;
    };
    const Step steps[] = {{"Right", Qt::Key_Right, StepForward(MotionKind::Projectile, 1, last, false)},
                          {"Left", Qt::Key_Left, 1},
                          {"End", Qt::Key_End, last},
                          {"Home", Qt::Key_Home, 1}};
    for (const Step& step : steps) {
        QTest::keyClick(keyTarget(w.get()), step.key);
        EXPECT_EQ(w->curFrame(), step.frame) << step.name;
    }
    EXPECT_EQ(rate->currentIndex(), rateItem);
    QTest::keyClick(keyTarget(w.get()), Qt::Key_Space);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
    QTest::keyClick(keyTarget(w.get()), Qt::Key_Space);
    EXPECT_FALSE(PlayFlags & PlayBit::Playing);
}

TEST_F(PlayerKeys, TransportKeysInAnEditBoxEditItsText)
{
    Opened<TBalleF> w;
    auto* edit = child<QLineEdit>(w.get(), "V0Ed");
    edit->setFocus();
    edit->setText(QStringLiteral("30"));
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Space, Qt::Key_End, Qt::Key_Left})
        QTest::keyClick(edit, key);
    EXPECT_EQ(edit->text(), QStringLiteral(" 30"));
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(w->curFrame(), 1);
    EXPECT_FALSE(PlayFlags & PlayBit::Playing);
    // A click on the picture gives the keys back to the film.
    QTest::mouseClick(child<QWidget>(w.get(), "Canevas"), Qt::LeftButton);
    QTest::keyClick(keyTarget(w.get()), Qt::Key_End);
    EXPECT_EQ(w->curFrame(), w->frameCount());
}

TEST_F(PlayerKeys, EnterPressesAFocusedPictureButtonWhileSpaceStillPlays)
{
    Opened<TBalleF> w;
    auto* end = child<QWidget>(w.get(), "FinBout");
    end->setFocus(Qt::TabFocusReason);
    QTest::keyClick(end, Qt::Key_Return);
    // The press is animated: let its release run.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->curFrame() == w->frameCount(); }, 1000));
    QTest::keyClick(end, Qt::Key_Space);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
}

TEST_F(PlayerKeys, KeysOfAClosedWindowAreNotPreviewed)
{
    TRoueF w;
    w.show();
    w.close();
    QLineEdit other;
    other.show();
    QTest::keyClick(&other, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(AppSettings.LockFlag);
}

} // namespace
