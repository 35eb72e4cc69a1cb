// The braking window driven through its controls: layout, settings, the
// run's states, help and preferences, zoom, dragging, status line, copy.
#include "brakingtesting.h"

#include "platform/helpviewer.h"
#include "shell/preferences/preferenceswindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest/QTest>

namespace {

using testing_support::ProcessEvents;

void Wheel(QWidget* over, int delta)
{
    QWheelEvent event(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &event);
}

void Hover(QWidget* over, QPoint at = QPoint(3, 3))
{
    QMouseEvent event(QEvent::MouseMove, at, over->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(over, &event);
}

// At the design client size the zones are 786 x 187 at 18.7 px/m; the
// smallest window keeps that size reachable.
TEST_F(BrakingWindowTest, DesignSizeGivesTheDesignZones)
{
    Open();
    EXPECT_EQ(window.windowTitle(), ModuleCaption(QStringLiteral("Freinage d'un véhicule")));
    EXPECT_EQ(window.minimumSize(), QSize(692, 473));
    EXPECT_EQ(Control("Zone1")->geometry(), QRect(4, 4, 786, 187));
    EXPECT_EQ(Control("Zone2")->geometry(), QRect(4, 199, 786, 187));
    EXPECT_EQ(Control("Panneau")->geometry(), QRect(0, 389, 792, 154));
    EXPECT_DOUBLE_EQ(window.Session().View().Scale(), 18.7);
    EXPECT_EQ(Control("MessLab")->width(), 772);
}

// A hand-edited file: the controls show the entry that runs, and the
// settings hold what is shown.
TEST_F(BrakingWindowTest, StoredValuesTheWindowDoesNotOfferAreMappedBeforeShowing)
{
    AppSettings.VitesseCible1 = 10000;
    AppSettings.VitesseCible2 = 63;
    AppSettings.CoeffRoute1 = 0;
    AppSettings.TempsReac1 = -600;
    AppSettings.PasAnim0 = 29;
    Open();
    EXPECT_EQ(AppSettings.VitesseCible1, 180);
    EXPECT_EQ(AppSettings.VitesseCible2, 65);
    EXPECT_EQ(AppSettings.CoeffRoute1, 20);
    EXPECT_EQ(AppSettings.TempsReac1, 300);
    EXPECT_EQ(AppSettings.PasAnim0, 6);
    EXPECT_EQ(Control<QLineEdit>("Speed1Ed")->text(), " 180");
    EXPECT_EQ(Control<QComboBox>("Route1Combo")->currentIndex(), 2);
    EXPECT_EQ(Control<QComboBox>("Reaction1Combo")->currentIndex(), 3);
    EXPECT_EQ(Control<QSlider>("PasBar")->value(), 3);
    Control("Speed1Spin")->findChild<QToolButton*>("UpButton")->click();
    EXPECT_EQ(AppSettings.VitesseCible1, 180);
    Click("DepartBout");
    EXPECT_EQ(window.Session().StepIncrement(), 6);
}

TEST_F(BrakingWindowTest, SpeedIsSetWithTheArrowsOnly)
{
    Open();
    QLineEdit* box = Control<QLineEdit>("Speed1Ed");
    box->setFocus();
    QTest::keyClicks(box, "99");
    EXPECT_EQ(box->text(), " 60");
    EXPECT_EQ(AppSettings.VitesseCible1, 60);
    Control("Speed1Spin")->findChild<QToolButton*>("DownButton")->click();
    EXPECT_EQ(box->text(), " 55");
    EXPECT_EQ(AppSettings.VitesseCible1, 55);
    Control<QComboBox>("Route1Combo")->setCurrentIndex(1);
    EXPECT_EQ(AppSettings.CoeffRoute1, 100) << "only what the user chooses changes a setting";
}

TEST_F(BrakingWindowTest, ARunLocksTheSettingsUntilBothCarsHaveStopped)
{
    Open();
    EXPECT_FALSE(Control("PauseBout")->isEnabled());
    EXPECT_FALSE(Control("ZoomAdapteBout")->isEnabled());
    Click("DepartBout");
    EXPECT_TRUE(Control("PauseBout")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>("PauseBout")->isChecked());
    for (const char* name :
         {"ZoomAdapteBout", "PasBar", "Speed1Spin", "Speed2Ed", "Freins1Combo", "Route2Combo", "Reaction1Combo"})
        EXPECT_FALSE(Control(name)->isEnabled()) << name;
    PlayToEnd();
    EXPECT_FALSE(Control<QTimer>("AnimTimer")->isActive());
    EXPECT_FALSE(Control("PauseBout")->isEnabled());
    EXPECT_TRUE(Control("ZoomAdapteBout")->isEnabled());
    EXPECT_TRUE(Control("Reaction1Combo")->isEnabled());
    Click("StopBout");
    EXPECT_FALSE(Control("ZoomAdapteBout")->isEnabled());
    EXPECT_EQ(window.Session().CurrentStep(), 0);
}

// The help button holds a run under way and the next press resumes it, the
// pause button showing it; with no run it leaves the timer alone.
TEST_F(BrakingWindowTest, HelpHoldsAndResumesARunUnderWay)
{
    testing_support::TempDir dir;
    testing_support::WriteFile(dir.File("Kinea.html"), "<html><body><a name=\"FREINAGE\"></a>x</body></html>");
    const QString previous = HelpFile();
    SetHelpFile(dir.File("Kinea.html"));
    Open();
    QTimer* timer = Control<QTimer>("AnimTimer");
    QToolButton* pause = Control<QToolButton>("PauseBout");
    Click("AideBout");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(HelpWindow()->Source().fragment(), "FREINAGE");
    Click("DepartBout");
    Click("AideBout");
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(pause->isChecked());
    Click("AideBout");
    EXPECT_TRUE(timer->isActive());
    EXPECT_FALSE(pause->isChecked());
    Click("PauseBout");
    EXPECT_FALSE(timer->isActive());
    CloseHelp();
    SetHelpFile(previous);
}

// The options open the preferences on page 5; closed during a run, they
// leave the run's controls locked.
TEST_F(BrakingWindowTest, PreferencesOpenOnTheirPageAndKeepTheRunningState)
{
    TPreferencesF dialog;
    Open();
    Click("DepartBout");
    int shownPage = -1;
    QTimer::singleShot(0, &dialog, [&] {
        shownPage = dialog.CurrentPage();
        dialog.reject();
    });
    Click("OptionsBout");
    EXPECT_EQ(shownPage, 5);
    EXPECT_FALSE(Control("Reaction2Combo")->isEnabled());
    EXPECT_TRUE(Control("PauseBout")->isEnabled());
}

// The wheel zooms wherever it is over the window, one step per notch of
// 120: a touchpad's small deltas add up instead of zooming out.
TEST_F(BrakingWindowTest, WheelZoomsOneStepPerNotch)
{
    Open();
    const BrakingView& view = window.Session().View();
    for (int i = 0; i < 3; ++i)
        Wheel(Control("Zone1"), 30);
    EXPECT_EQ(view.ViewHeight(), 10);
    Wheel(Control("Zone1"), 30);
    EXPECT_NEAR(view.ViewHeight(), 8.3333, 1e-3);
    Wheel(Control("Route1Combo"), -240);
    EXPECT_NEAR(view.ViewHeight(), 12, 1e-9);
    EXPECT_EQ(Control<QComboBox>("Route1Combo")->currentIndex(), 0);
    EXPECT_EQ(window.Scene().StripWidth(), int(std::lround(150 * view.Scale())));
}

// The first show lays the window out with its pictures, and a show sent
// when a minimised window comes back does not start it over.
TEST_F(BrakingWindowTest, FirstShowDrawsBothZonesAndARestoreKeepsTheRun)
{
    Open();
    for (int k = 1; k <= 2; ++k) {
        ASSERT_EQ(window.ZonePicture(k).size(), QSize(786, 187));
        EXPECT_EQ(testing_support::RgbAt(window.ZonePicture(k), 300, 0), 0xFFFFFFu) << "sky";
    }
    Click("DepartBout");
    window.AnimTimerTimer();
    const int step = window.Session().CurrentStep();
    window.hide();
    window.show();
    ProcessEvents();
    EXPECT_TRUE(window.Session().RunMade());
    EXPECT_EQ(window.Session().CurrentStep(), step);
    EXPECT_TRUE(Control<QTimer>("AnimTimer")->isActive());
}

// The status line names what lies under the mouse, cut with "..." to fit;
// controls without a text leave it as it is.
TEST_F(BrakingWindowTest, StatusLineDescribesTheControlUnderTheMouse)
{
    Open();
    QLabel* status = Control<QLabel>("MessLab");
    EXPECT_EQ(status->text(), TFreinageF::StatusText(0));
    Hover(Control("DepartBout"));
    EXPECT_EQ(status->text(), "Démarre les véhicules");
    Hover(Control("Route1Combo"));
    EXPECT_EQ(status->text(), "Démarre les véhicules");
    Hover(Control("Speed2Ed"));
    EXPECT_EQ(status->text(), TFreinageF::StatusText(9));
    Hover(Control("Zone1"));
    EXPECT_EQ(status->text(), TFreinageF::StatusText(8));

    Hover(Control("SpeedLab1"));
    EXPECT_EQ(status->text(), TFreinageF::StatusText(9));

    // Measured in the window's font: a larger one makes the text too long.
    QFont large = window.font();
    large.setPixelSize(20);
    window.setFont(large);
    Hover(Control("ZoomAdapteBout"));
    const QString full = TFreinageF::StatusText(5);
    const QString shown = status->text();
    ASSERT_GT(status->fontMetrics().horizontalAdvance(full), window.MessageWidth());
    EXPECT_TRUE(shown.endsWith("..."));
    EXPECT_TRUE(full.startsWith(shown.chopped(3)));
    EXPECT_LE(status->fontMetrics().horizontalAdvance(shown), window.MessageWidth());
    EXPECT_GT(status->fontMetrics().horizontalAdvance(full.left(shown.size() - 2) + "..."), window.MessageWidth());
}

TEST_F(BrakingWindowTest, CopyPutsZoneOneAboveZoneTwo)
{
    Open();
    Click("DepartBout");
    for (int i = 0; i < 200; ++i)
        window.AnimTimerTimer();
    Click("CopierBout");
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), QSize(786, 374));
    EXPECT_EQ(copied.copy(0, 0, 786, 187), window.ZonePicture(1));
    EXPECT_EQ(copied.copy(0, 187, 786, 187), window.ZonePicture(2));
}

// At 5 km/h with a 0.5 s reaction, in the largest window, the adapted zoom
// keeps to the zoom buttons' closest view and its memory.
TEST_F(BrakingWindowTest, AdaptedZoomOfAShortStopStaysWithinTheButtonsReach)
{
    AppSettings.VitesseCible1 = AppSettings.VitesseCible2 = 5;
    AppSettings.TempsReac1 = AppSettings.TempsReac2 = 50;
    AppSettings.PasAnim0 = 6;
    Open(QSize(2560, 1440));
    Click("DepartBout");
    PlayToEnd();
    Click("ZoomAdapteBout");
    EXPECT_EQ(window.Session().View().ViewHeight(), 4);
    const qint64 strip = window.Scene().SceneryStrip().sizeInBytes();
    EXPECT_EQ(strip, qint64(std::lround(150 * 636 / 4.0)) * 636 * 4);
    EXPECT_LT(window.Scene().MemoryBytes(), strip + (8LL << 20));
    Click("ZoomMoinsBout");
    EXPECT_NEAR(window.Session().View().ViewHeight(), 4.8, 1e-9);
}

} // namespace
