// The kinetic organ window through its controls: show, shots, paging,
// sort, delete, keys, popup menu, copies and the message bar.
#include "organtesting.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

using testing_support::Child;

using OrganWindow = OrganTest;

TEST_F(OrganWindow, EveryShowStartsAnEmptyExperiment)
{
    EXPECT_EQ(window->windowTitle(), ModuleCaption(QStringLiteral("Orgue cinétique")));
    Shoot(30, 12);
    window->close();
    window->show();
    EXPECT_EQ(Model().Tubes().TubeCount(), 0);
    EXPECT_EQ(Child<QLineEdit>(window.get(), "SpeedEd")->text(), QStringLiteral(" 50"));
    EXPECT_EQ(Child<QLineEdit>(window.get(), "MasseEd")->text(), QStringLiteral(" 20"));
    EXPECT_FALSE(Widget("DelBout")->isEnabled());
    EXPECT_TRUE(Widget("DepartBout")->isEnabled());
    EXPECT_EQ(Child<QLabel>(window.get(), "PageLab")->text(), QStringLiteral("Page : 1/1\n0 tube sur 0"));

    // Hidden and shown again, as a window brought back from the task bar,
    // it keeps its tubes.
    Shoot(30, 12);
    window->hide();
    window->show();
    EXPECT_EQ(Model().Tubes().TubeCount(), 1);
}

TEST_F(OrganWindow, TheStoredSortModeIsShownAndAnInvalidOneReadsAsTheDefault)
{
    const std::pair<int, int> cases[] = {{3, 3}, {0, 0}, {9, 1}, {-1, 1}};
    for (const auto& [stored, shown] : cases) {
        AppSettings.IndexTri = stored;
        Reopen();
        EXPECT_EQ(Child<QComboBox>(window.get(), "ComboTri")->currentIndex(), shown) << stored;
        EXPECT_EQ(Model().Tubes().SortMode(), shown) << stored;
        EXPECT_EQ(AppSettings.IndexTri, shown) << stored;
    }
}

TEST_F(OrganWindow, OptionAndCalculatorButtonsFollowTheirSettings)
{
    EXPECT_TRUE(Widget("CalcBout")->isEnabled());
    // What the dialog changed applies when it closes.
    AppSettings.CalcFlag = false;
    AppSettings.OrgueAllowFlag = false;
    Click("OptionsBout");
    EXPECT_FALSE(Widget("CalcBout")->isEnabled());
    EXPECT_FALSE(Widget("OptionsBout")->isEnabled());
}

TEST_F(OrganWindow, ALaunchRunsOnTheTimerAndRecordsItsTube)
{
    Click("DepartBout");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("AnimTimer"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 40);
    for (int tick = 0; tick < 100 && Model().Shot().Flying(); ++tick)
        window->AnimTimerTimer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(Model().Tubes().TubeCount(), 1);
    EXPECT_TRUE(Widget("DelBout")->isEnabled());
    EXPECT_EQ(Child<QLabel>(window.get(), "PageLab")->text(), QStringLiteral("Page : 1/1\n1 tube sur 1"));
}

TEST_F(OrganWindow, TheLaunchButtonIsDisabledAtThirtyTubes)
{
    for (int i = 0; i < 30; ++i)
        Shoot(i < 20 ? 50 : 100, i < 20 ? i + 1 : i - 19);
    EXPECT_FALSE(Widget("DepartBout")->isEnabled());
    PressOn(Widget("Display2"), TubeCentre(1));
    Click("DelBout");
    EXPECT_TRUE(Widget("DepartBout")->isEnabled());
}

TEST_F(OrganWindow, AResizeDuringAShotFinishesItFirst)
{
    Click("DepartBout");
    window->AnimTimerTimer();
    window->resize(900, 650);
    EXPECT_FALSE(Model().Shot().Flying());
    EXPECT_FALSE(window->findChild<QTimer*>(QStringLiteral("AnimTimer"))->isActive());
    EXPECT_EQ(Model().Tubes().TubeCount(), 1);
    EXPECT_EQ(Model().Layout().DisplayWidth(), 890);
    EXPECT_EQ(LogicalSize(Bench()).width(), 890);
}

TEST_F(OrganWindow, TheWindowSeesDeleteAndEscapeBeforeItsControls)
{
    Shoot(30);
    Shoot(40);
    PressOn(Widget("Display2"), TubeCentre(2));
    ASSERT_EQ(Model().Tubes().Selected(), 2);
    Key(Widget("SpeedEd"), Qt::Key_Delete);
    ASSERT_EQ(Model().Tubes().TubeCount(), 1);
    EXPECT_EQ(Model().Tubes().Tube(1).SpeedKmh, 30);
    EXPECT_EQ(Model().Tubes().Selected(), 1);
    Key(Widget("ComboTri"), Qt::Key_Escape);
    EXPECT_EQ(Model().Tubes().Selected(), -1);
}

TEST_F(OrganWindow, DeletingTheHoveredOnlyTubeLeavesNoPanel)
{
    Shoot(50);
    MoveOverTube(1);
    PressOn(Widget("Display2"), TubeCentre(1));
    Key(window.get(), Qt::Key_Delete);
    EXPECT_EQ(Model().Tubes().TubeCount(), 0);
    EXPECT_EQ(Model().Tubes().Hovered(), -1);
    EXPECT_EQ(Tubes(), window->Pictures().TubeBackground);
    // The mouse is still there: it finds no tube.
    MoveOverTube(1);
    EXPECT_EQ(Model().Tubes().Hovered(), -1);
}

TEST_F(OrganWindow, LeavingTheDisplayOrTurningThePageDropsTheHover)
{
    for (int speed = 0; speed <= 90; speed += 5)
        Shoot(speed);
    MoveOverTube(2);
    ASSERT_EQ(Model().Tubes().Hovered(), 2);
    Leave(Widget("Display2"));
    EXPECT_EQ(Model().Tubes().Hovered(), -1);
    MoveOverTube(2);
    Click("NextBout");
    EXPECT_EQ(Model().Tubes().Hovered(), -1);
    EXPECT_FALSE(Widget("NextBout")->isEnabled());
    EXPECT_TRUE(Widget("PredBout")->isEnabled());
}

TEST_F(OrganWindow, TheRightButtonOpensTheMenuWithoutSelecting)
{
    Shoot(50);
    auto* pop = window->findChild<QMenu*>(QStringLiteral("Pop"));
    PressOn(Widget("Display2"), TubeCentre(1), Qt::RightButton);
    EXPECT_TRUE(pop->isVisible());
    EXPECT_EQ(Model().Tubes().Selected(), -1);
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("DeselMenu"))->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("DelMenu"))->isEnabled());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("TriMenu1"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("TriMenu4"))->isChecked());
    pop->hide();

    // A sort chosen in the menu is the list's and the setting's.
    PressOn(Widget("Display2"), TubeCentre(1));
    window->findChild<QAction*>(QStringLiteral("TriMenu4"))->trigger();
    EXPECT_EQ(Child<QComboBox>(window.get(), "ComboTri")->currentIndex(), 4);
    EXPECT_EQ(AppSettings.IndexTri, 4);
    EXPECT_EQ(Model().Tubes().Selected(), -1);
}

TEST_F(OrganWindow, TheValuesTableGoesToTheClipboardWithTheChosenColumns)
{
    Click("CopyDataBout");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("v (m/s)\tv² (m²/s²)\tl enfoncée (cm)\t\r\n"));
    Shoot(50);
    AppSettings.MasseFlag = true;
    window->findChild<QAction*>(QStringLiteral("CopyValMenu"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("v (m/s)\tv² (m²/s²)\tm (kg)\tl enfoncée (cm)\t\r\n13,9\t192,9\t20\t 4,2\t\r\n"));
}

TEST_F(OrganWindow, ThePictureOfTheTubesGoesToTheClipboard)
{
    Shoot(50);
    MoveOverTube(1);
    Click("CopyBout");
    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(LogicalSize(Tubes()), QSize(793, 364));
    EXPECT_EQ(copied, Tubes());
}

TEST_F(OrganWindow, TheMessageBarNamesWhatIsUnderTheMouse)
{
    MoveOver(Widget("Display2"), 50);
    EXPECT_TRUE(Message().startsWith(QStringLiteral("Zone d'affichage des tubes déformés - Aucun tube affiché")));
    Shoot(50);
    MoveOver(Widget("Display2"), 50);
    EXPECT_TRUE(Message().startsWith(QStringLiteral("Clic gauche pour sélectionner un tube  | Clic droit")));
    Enter(Widget("SpeedSpin")->findChildren<QWidget*>().first());
    EXPECT_EQ(Message(), QStringLiteral("Définir la vitesse atteinte par le percuteur ( 0 à 130 km/h )"));
    Leave(Widget("SpeedSpin"));
    EXPECT_EQ(Message(), QStringLiteral("Utiliser le bouton \"Démarrer\" pour lancer le percuteur"));
}

TEST_F(OrganWindow, PagingMessagesFollowThePageShown)
{
    for (int i = 0; i < 20; ++i)
        Shoot(5 * i, 20);
    Enter(Widget("NextBout"));
    EXPECT_EQ(Message(), QStringLiteral("Afficher les tubes de la page suivante ( page 2 sur 2 )"));
    // On the last page the button leads nowhere and says nothing of a page.
    Click("NextBout");
    EXPECT_EQ(Message(), QStringLiteral("Utiliser le bouton \"Démarrer\" pour lancer le percuteur"));
    Enter(Widget("PredBout"));
    EXPECT_EQ(Message(), QStringLiteral("Afficher les tubes de la page précédente ( page 1 sur 2 )"));
}

TEST_F(OrganWindow, ALongMessageIsShortenedToTheBar)
{
    Shoot(50);
    window->resize(window->minimumSize());
    MoveOver(Widget("Display2"), 50);
    auto* bar = Child<QLabel>(window.get(), "MessLab");
    EXPECT_TRUE(Message().endsWith(QStringLiteral("...")));
    EXPECT_LE(QFontMetrics(bar->font()).horizontalAdvance(Message()), bar->width());
    window->resize(1200, 600);
    EXPECT_FALSE(Message().endsWith(QStringLiteral("...")));
}

} // namespace
