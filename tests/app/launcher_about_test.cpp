// The launcher with the real about box and tip: the start-up about box,
// "A propos de..." disabled while the box shows, the menu mode, and the
// tip that waits for the start-up box.
#include "launcherfixture.h"

#include "app/startup.h"
#include "shell/about/abouttesting.h"
#include "shell/about/aboutwindow.h"
#include "shell/tip/tipwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using testing_support::Child;

namespace {

class AboutLauncherTest : public LauncherFixture
{
protected:
    void SetUp() override
    {
        LauncherFixture::SetUp();
        about = new TSplashF(launcher.get());
        tip = new TTipF(launcher.get());
        windows.about = about;
        windows.tip = tip;
        launcher->SetWindows(windows);
    }

    TSplashF* about = nullptr;
    TTipF* tip = nullptr;
};

} // namespace

TEST_F(AboutLauncherTest, AboutEntryDisabledWhileTheBoxShows)
{
    about->SetStartupMode(true);
    about->show();
    EXPECT_FALSE(Action("AboutMenu")->isEnabled());
    about->close();
    EXPECT_TRUE(Action("AboutMenu")->isEnabled());
}

TEST_F(AboutLauncherTest, CaptionDoesNotReopenTheStartUpBox)
{
    about->SetStartupMode(true);
    about->show();
    launcher->show();
    bool reopened = false;
    // Should the box run modally after all, this ends it rather than the test.
    QTimer::singleShot(100, about, [&] {
        reopened = about->OpenedFromMenu();
        about->close();
    });
    QTest::mouseClick(launcher->Caption("l11"), Qt::LeftButton);
    EXPECT_FALSE(reopened);
    EXPECT_FALSE(about->OpenedFromMenu());
    EXPECT_TRUE(about->StartupMode());
    about->close();
}

TEST_F(AboutLauncherTest, MenuOpensTheBoxInMenuMode)
{
    bool seenMenuMode = false;
    bool checkHidden = false;
    QTimer::singleShot(0, about, [&] {
        seenMenuMode = about->OpenedFromMenu() && !about->StartupMode();
        checkHidden = !Child<QCheckBox>(about, "SplasheCheck")->isVisible();
        about->close();
    });
    Action("AboutMenu")->trigger();
    EXPECT_TRUE(seenMenuMode);
    EXPECT_TRUE(checkHidden);
    EXPECT_FALSE(about->OpenedFromMenu());
    EXPECT_TRUE(Action("AboutMenu")->isEnabled());
}

TEST_F(AboutLauncherTest, TipFollowsTheStartUpBoxThenNothingMore)
{
    AppSettings.TipFlag = true;
    AppSettings.SplasheFlag = true;
    about->SetStartupMode(true);
    about->show();
    launcher->show();
    auto* timer = launcher->findChild<QTimer*>("TipTimer");
    ASSERT_TRUE(timer->isActive());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(tip->isVisible());

    about_testing::PresentEvent(*about);
    about_testing::Tick(*about, 211);
    ASSERT_FALSE(about->isVisible());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(tip->isVisible());
    EXPECT_FALSE(tip->isModal());
    EXPECT_TRUE(tip->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(timer->isActive());
    tip->close();
    EXPECT_FALSE(about->isVisible());
}

TEST_F(AboutLauncherTest, TipMenuBringsForwardTheStartUpTip)
{
    tip->show();
    // Should the menu run the open tip modally, this ends it rather than the test.
    QTimer::singleShot(200, tip, [this] { tip->close(); });
    Action("Astucedujour1")->trigger();
    EXPECT_TRUE(tip->isVisible());
    EXPECT_FALSE(tip->isModal());
    tip->close();
}

TEST_F(AboutLauncherTest, StartUpShowsTheBoxInStartUpModeWhenAsked)
{
    for (const bool flag : {true, false}) {
        SCOPED_TRACE(flag);
        AppSettings.SplasheFlag = flag;
        AppWindows created;
        CreateWindows(*launcher, created);
        auto* box = qobject_cast<TSplashF*>(created.about);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->isVisible(), flag);
        EXPECT_EQ(box->StartupMode(), flag);
        EXPECT_FALSE(box->OpenedFromMenu());
        box->close();
        launcher->SetWindows(windows);
        delete created.about;
        delete created.tip;
        delete created.preferences;
        DeleteModuleWindows(created);
    }
}
