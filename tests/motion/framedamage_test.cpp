// A frame is composed over the previous one, the background copied back only
// where the previous frame drew: every frame must equal the same frame
// composed over a fresh copy of the whole background. Also run on a screen
// scaled by 2 (kinea_tests_motion_scaled).
#include "motiontesting.h"

#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QResizeEvent>
#include <gtest/gtest.h>

namespace {

using FrameDamage = MotionTest;

// Plays the whole film with every trace on, then back to its start, and
// compares each frame with the frame composed afresh: a resize of the same
// size lays the window out again, which redraws the background.
template <typename W> void CheckEveryFrame()
{
    Opened<W> w;
    for (QCheckBox* check : w->template findChildren<QCheckBox*>())
        if (check->objectName().startsWith(QLatin1String("Trace")))
            check->setChecked(true);
    auto compareWithFresh = [&](const char* when) {
        const QImage played = w->FrameBitmap().copy();
        QResizeEvent same(w->size(), w->size());
        QCoreApplication::sendEvent(w.Get(), &same);
        ASSERT_EQ(played, w->FrameBitmap()) << when << " frame " << w->CurFrame();
    };
    while (w->CurFrame() < w->FrameCount()) {
        w->PlayTimerTimer();
        compareWithFresh("playing");
    }
    Click(w.Get(), "DebutBout");
    compareWithFresh("back at the start");
}

TEST_F(FrameDamage, ProjectileFramesEqualFreshOnes)
{
    CheckEveryFrame<TBalleF>();
}

TEST_F(FrameDamage, FreeFallFramesEqualFreshOnes)
{
    CheckEveryFrame<TChuteF>();
}

TEST_F(FrameDamage, WheelFramesEqualFreshOnes)
{
    CheckEveryFrame<TRoueF>();
}

TEST_F(FrameDamage, DiscFramesEqualFreshOnes)
{
    CheckEveryFrame<TDisqueF>();
}

} // namespace
