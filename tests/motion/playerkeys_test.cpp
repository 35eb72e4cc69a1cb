// The motion windows' keyboard: Ctrl alone steps forward (and repeats while
// held), a shortcut that begins with Ctrl leaves the film where it was,
// Ctrl+V toggles the trace lock even from an edit box; Space, the arrows,
// Home and End drive the film unless the focused control uses them.
#include "modalcloser.h"
#include "motiontesting.h"

#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/model/motionrules.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest/QTest>

using testing_support::Child;

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

TEST_F(PlayerKeys, CtrlTappedAloneStepsForwardLikeTheStepButton)
{
    Opened<TBalleF> w;
    QTest::keyPress(KeyTarget(w.Get()), Qt::Key_Control);
    QTest::keyRelease(KeyTarget(w.Get()), Qt::Key_Control);
    EXPECT_EQ(w->CurFrame(), 6);
    EXPECT_FALSE(w->CtrlRepeat().IsActive());
}

// Each of these begins with a Ctrl key-down of its own.
TEST_F(PlayerKeys, ShortcutsThatBeginWithCtrlLeaveTheFilmWhereItWas)
{
    const struct
    {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } shortcuts[] = {
        {"Ctrl+Maj+C", Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
        {"Ctrl+P", Qt::Key_P, Qt::ControlModifier},
        {"Ctrl+V", Qt::Key_V, Qt::ControlModifier},
    };
    Opened<TBalleF> w;
    Click(w.Get(), "FinBout");
    Click(w.Get(), "ArriereBout");
    const int frame = w->CurFrame();
    // Ctrl+P opens the print dialog, which is given up.
    ModalCloser closer;
    for (const auto& shortcut : shortcuts) {
        QTest::keyClick(KeyTarget(w.Get()), shortcut.key, shortcut.modifiers);
        EXPECT_EQ(w->CurFrame(), frame) << shortcut.name;
        EXPECT_FALSE(w->CtrlRepeat().IsActive()) << shortcut.name;
    }
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QLatin1Char('\t')));
}

TEST_F(PlayerKeys, HeldCtrlKeepsSteppingUntilReleased)
{
    Opened<TRoueF> w;
    w->CtrlRepeat().SetTimings(1, 1);
    QTest::keyPress(KeyTarget(w.Get()), Qt::Key_Control);
    EXPECT_TRUE(w->CtrlRepeat().IsActive());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->CurFrame() >= 4; }, 5000));
    QTest::keyRelease(KeyTarget(w.Get()), Qt::Key_Control);
    const int released = w->CurFrame();
    testing_support::ProcessEvents(20);
    EXPECT_EQ(w->CurFrame(), released);
}

TEST_F(PlayerKeys, CtrlVTogglesTheLock)
{
    Opened<TBalleF> w;
    Child<QCheckBox>(w.Get(), "TraceBCheck")->setChecked(true);
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(AppSettings.LockFlag);
    EXPECT_FALSE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isChecked());
    EXPECT_EQ(PlayFlags & PlayBit::AllTraces, 0);
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(AppSettings.LockFlag);
    EXPECT_TRUE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isEnabled());
    EXPECT_FALSE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isChecked());
}

TEST_F(PlayerKeys, CtrlVWorksFromAnEditBoxAndPastesNothing)
{
    AppSettings.LockFlag = true;
    Opened<TChuteF> w;
    auto* edit = Child<QLineEdit>(w.Get(), "HautEd");
    edit->setFocus();
    const QString before = edit->text();
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_FALSE(AppSettings.LockFlag);
    EXPECT_TRUE(Child<QCheckBox>(w.Get(), "TraceBCheck")->isEnabled());
    EXPECT_EQ(edit->text(), before);
}

TEST_F(PlayerKeys, OtherKeysGoToTheFocusedControl)
{
    Opened<TBalleF> w;
    auto* edit = Child<QLineEdit>(w.Get(), "AlphaEd");
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "12");
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
    EXPECT_EQ(w->CurFrame(), 1);
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
        QWidget* target = KeyTarget(c.window.get());
        KeySeen seen;
        target->installEventFilter(&seen);
        QTest::keyPress(target, Qt::Key_Control);
        QTest::keyRelease(target, Qt::Key_Control);
        EXPECT_EQ(seen.keys.contains(Qt::Key_Control), c.reaches) << c.window->objectName().toStdString();
        EXPECT_EQ(c.window->CurFrame(), c.window->objectName() == "RoueF" ? 2 : 6);
        c.window->close();
    }
}

TEST_F(PlayerKeys, TransportKeysDriveTheFilmFromThePicture)
{
    Opened<TBalleF> w;
    // The window opens with the keyboard on the picture.
    const int last = w->FrameCount();
    const struct
    {
        const char* name;
        Qt::Key key;
        int frame;
    } steps[] = {{"End", Qt::Key_End, last},
                 {"Home", Qt::Key_Home, 1},
                 {"Right", Qt::Key_Right, StepForward(MotionKind::Projectile, 1, last, false)},
                 {"Left", Qt::Key_Left, 1}};
    for (const auto& step : steps) {
        QTest::keyClick(KeyTarget(w.Get()), step.key);
        EXPECT_EQ(w->CurFrame(), step.frame) << step.name;
    }
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_Space);
    EXPECT_TRUE(PlayFlags & PlayBit::Playing);
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_Space);
    EXPECT_FALSE(PlayFlags & PlayBit::Playing);
}

TEST_F(PlayerKeys, AFocusedListTakesItsMovesAndLeavesLeftAndRightToTheFilm)
{
    Opened<TBalleF> w;
    auto* rate = Child<QComboBox>(w.Get(), "IpsCombo");
    rate->setFocus(Qt::TabFocusReason);
    const struct
    {
        const char* name;
        Qt::Key key;
        int item;
        int frame;
    } steps[] = {{"End", Qt::Key_End, 3, 1},
                 {"Home", Qt::Key_Home, 0, 1},
                 {"Down", Qt::Key_Down, 1, 1},
                 {"Right", Qt::Key_Right, 1, StepForward(MotionKind::Projectile, 1, w->FrameCount(), false)}};
    for (const auto& step : steps) {
        QTest::keyClick(rate, step.key);
        EXPECT_EQ(rate->currentIndex(), step.item) << step.name;
        EXPECT_EQ(w->CurFrame(), step.frame) << step.name;
    }
    EXPECT_EQ(AppSettings.Ips, 200);
}

// Tab brings the focus to the first trace box of each film; Space ticks it.
TEST_F(PlayerKeys, SpaceTicksAFocusedTraceBoxInEveryFilm)
{
    std::unique_ptr<MotionWindow> windows[] = {std::make_unique<TBalleF>(), std::make_unique<TChuteF>(),
                                               std::make_unique<TRoueF>(), std::make_unique<TDisqueF>()};
    for (auto& window : windows) {
        const std::string name = window->objectName().toStdString();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << name;
        QCheckBox* trace = nullptr;
        for (const char* box : {"TraceACheck", "TraceBCheck"})
            if (!trace)
                trace = window->findChild<QCheckBox*>(box);
        ASSERT_NE(trace, nullptr) << name;
        trace->setFocus(Qt::TabFocusReason);
        QTest::keyClick(KeyTarget(window.get()), Qt::Key_Space);
        EXPECT_TRUE(trace->isChecked()) << name;
        EXPECT_NE(PlayFlags & PlayBit::AllTraces, 0) << name;
        EXPECT_FALSE(PlayFlags & PlayBit::Playing) << name;
        QTest::keyClick(KeyTarget(window.get()), Qt::Key_Space);
        EXPECT_FALSE(trace->isChecked()) << name;
        // The arrows still step the film.
        QTest::keyClick(KeyTarget(window.get()), Qt::Key_Right);
        EXPECT_GT(window->CurFrame(), 1) << name;
        window->close();
    }
}

TEST_F(PlayerKeys, TransportKeysInAnEditBoxEditItsText)
{
    Opened<TBalleF> w;
    auto* edit = Child<QLineEdit>(w.Get(), "V0Ed");
    edit->setFocus();
    edit->setText(QStringLiteral("30"));
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Space, Qt::Key_End, Qt::Key_Left})
        QTest::keyClick(edit, key);
    EXPECT_EQ(edit->text(), QStringLiteral(" 30"));
    EXPECT_EQ(edit->cursorPosition(), 2);
    EXPECT_EQ(w->CurFrame(), 1);
    EXPECT_FALSE(PlayFlags & PlayBit::Playing);
    // A click on the picture gives the keys back to the film.
    QTest::mouseClick(Child<QWidget>(w.Get(), "Canevas"), Qt::LeftButton);
    QTest::keyClick(KeyTarget(w.Get()), Qt::Key_End);
    EXPECT_EQ(w->CurFrame(), w->FrameCount());
}

TEST_F(PlayerKeys, EnterAndSpacePressAFocusedPictureButton)
{
    Opened<TBalleF> w;
    auto* end = Child<QWidget>(w.Get(), "FinBout");
    end->setFocus(Qt::TabFocusReason);
    QTest::keyClick(end, Qt::Key_Return);
    // The press is animated: let its release run.
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->CurFrame() == w->FrameCount(); }, 1000));
    Click(w.Get(), "DebutBout");
    QTest::keyClick(end, Qt::Key_Space);
    EXPECT_EQ(w->CurFrame(), w->FrameCount());
    EXPECT_FALSE(PlayFlags & PlayBit::Playing);
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
