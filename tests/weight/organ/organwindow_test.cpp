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

using testing_support::child;

using OrganWindow = OrganTest;

TEST_F(OrganWindow, EveryShowStartsAnEmptyExperiment)
{
    EXPECT_EQ(window->windowTitle(), ModuleCaption(QStringLiteral("Orgue cinétique")));
    shoot(30, 12);
    window->close();
    window->show();
    EXPECT_EQ(model().Tubes().TubeCount(), 0);
    EXPECT_EQ(child<QLineEdit>(window.get(), "SpeedEd")->text(), QStringLiteral(" 50"));
    EXPECT_EQ(child<QLineEdit>(window.get(), "MasseEd")->text(), QStringLiteral(" 20"));
    EXPECT_FALSE(widget("DelBout")->isEnabled());
    EXPECT_TRUE(widget("DepartBout")->isEnabled());
    EXPECT_EQ(child<QLabel>(window.get(), "PageLab")->text(), QStringLiteral("Page : 1/1\n0 tube sur 0"));

    // Hidden and shown again, as a window brought back from the task bar,
    // it keeps its tubes.
    shoot(30, 12);
    window->hide();
    window->show();
    EXPECT_EQ(model().Tubes().TubeCount(), 1);
}

TEST_F(OrganWindow, TheStoredSortModeIsShownAndAnInvalidOneReadsAsTheDefault)
{
    const std::pair<int, int> cases[] = {{3, 3}, {0, 0}, {9, 1}, {-1, 1}};
    for (const auto& [stored, shown] : cases) {
        AppSettings.IndexTri = stored;
        reopen();
        EXPECT_EQ(child<QComboBox>(window.get(), "ComboTri")->currentIndex(), shown) << stored;
        EXPECT_EQ(model().Tubes().SortMode(), shown) << stored;
        EXPECT_EQ(AppSettings.IndexTri, shown) << stored;
    }
}

TEST_F(OrganWindow, OptionAndCalculatorButtonsFollowTheirSettings)
{
    EXPECT_TRUE(widget("CalcBout")->isEnabled());
    // What the dialog changed applies when it closes.
    AppSettings.CalcFlag = false;
    AppSettings.OrgueAllowFlag = false;
    click("OptionsBout");
    EXPECT_FALSE(widget("CalcBout")->isEnabled());
    EXPECT_FALSE(widget("OptionsBout")->isEnabled());
}

TEST_F(OrganWindow, ALaunchRunsOnTheTimerAndRecordsItsTube)
{
    click("DepartBout");
    auto* timer = window->findChild<QTimer*>(QStringLiteral("AnimTimer"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 40);
    for (int tick = 0; tick < 100 && model().Shot().Flying(); ++tick)
        window->AnimTimerTimer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(model().Tubes().TubeCount(), 1);
    EXPECT_TRUE(widget("DelBout")->isEnabled());
    EXPECT_EQ(child<QLabel>(window.get(), "PageLab")->text(), QStringLiteral("Page : 1/1\n1 tube sur 1"));
}

TEST_F(OrganWindow, TheLaunchButtonIsDisabledAtThirtyTubes)
{
    for (int i = 0; i < 30; ++i)
        shoot(i < 20 ? 50 : 100, i < 20 ? i + 1 : i - 19);
    EXPECT_FALSE(widget("DepartBout")->isEnabled());
    pressOn(widget("Display2"), tubeCentre(1));
    click("DelBout");
    EXPECT_TRUE(widget("DepartBout")->isEnabled());
}

TEST_F(OrganWindow, AResizeDuringAShotFinishesItFirst)
{
    click("DepartBout");
    window->AnimTimerTimer();
    window->resize(900, 650);
    EXPECT_FALSE(model().Shot().Flying());
    EXPECT_FALSE(window->findChild<QTimer*>(QStringLiteral("AnimTimer"))->isActive());
    EXPECT_EQ(model().Tubes().TubeCount(), 1);
    EXPECT_EQ(model().Layout().DisplayWidth(), 890);
    EXPECT_EQ(logicalSize(bench()).width(), 890);
}

TEST_F(OrganWindow, TheWindowSeesDeleteAndEscapeBeforeItsControls)
{
    shoot(30);
    shoot(40);
    pressOn(widget("Display2"), tubeCentre(2));
    ASSERT_EQ(model().Tubes().Selected(), 2);
    key(widget("SpeedEd"), Qt::Key_Delete);
    ASSERT_EQ(model().Tubes().TubeCount(), 1);
    EXPECT_EQ(model().Tubes().Tube(1).SpeedKmh, 30);
    EXPECT_EQ(model().Tubes().Selected(), 1);
    key(widget("ComboTri"), Qt::Key_Escape);
    EXPECT_EQ(model().Tubes().Selected(), -1);
}

TEST_F(OrganWindow, DeletingTheHoveredOnlyTubeLeavesNoPanel)
{
    shoot(50);
    moveOverTube(1);
    pressOn(widget("Display2"), tubeCentre(1));
    key(window.get(), Qt::Key_Delete);
    EXPECT_EQ(model().Tubes().TubeCount(), 0);
    EXPECT_EQ(model().Tubes().Hovered(), -1);
    EXPECT_EQ(tubes(), window->pictures().TubeBackground);
    // The mouse is still there: it finds no tube.
    moveOverTube(1);
    EXPECT_EQ(model().Tubes().Hovered(), -1);
}

TEST_F(OrganWindow, LeavingTheDisplayOrTurningThePageDropsTheHover)
{
    for (int speed = 0; speed <= 90; speed += 5)
        shoot(speed);
    moveOverTube(2);
    ASSERT_EQ(model().Tubes().Hovered(), 2);
    leave(widget("Display2"));
    EXPECT_EQ(model().Tubes().Hovered(), -1);
    moveOverTube(2);
    click("NextBout");
    EXPECT_EQ(model().Tubes().Hovered(), -1);
    EXPECT_FALSE(widget("NextBout")->isEnabled());
    EXPECT_TRUE(widget("PredBout")->isEnabled());
}

TEST_F(OrganWindow, TheRightButtonOpensTheMenuWithoutSelecting)
{
    shoot(50);
    auto* pop = window->findChild<QMenu*>(QStringLiteral("Pop"));
    pressOn(widget("Display2"), tubeCentre(1), Qt::RightButton);
    EXPECT_TRUE(pop->isVisible());
    EXPECT_EQ(model().Tubes().Selected(), -1);
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("DeselMenu"))->isEnabled());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("DelMenu"))->isEnabled());
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("TriMenu1"))->isChecked());
    EXPECT_FALSE(window->findChild<QAction*>(QStringLiteral("TriMenu4"))->isChecked());
    pop->hide();

    // A sort chosen in the menu is the list's and the setting's.
    pressOn(widget("Display2"), tubeCentre(1));
    window->findChild<QAction*>(QStringLiteral("TriMenu4"))->trigger();
    EXPECT_EQ(child<QComboBox>(window.get(), "ComboTri")->currentIndex(), 4);
    EXPECT_EQ(AppSettings.IndexTri, 4);
    EXPECT_EQ(model().Tubes().Selected(), -1);
}

TEST_F(OrganWindow, TheValuesTableGoesToTheClipboardWithTheChosenColumns)
{
    click("CopyDataBout");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("v (m/s)\tv² (m²/s²)\tl enfoncée (cm)\t\r\n"));
    shoot(50);
    AppSettings.MasseFlag = true;
    window->findChild<QAction*>(QStringLiteral("CopyValMenu"))->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("v (m/s)\tv² (m²/s²)\tm (kg)\tl enfoncée (cm)\t\r\n13,9\t192,9\t20\t 4,2\t\r\n"));
}

TEST_F(OrganWindow, ThePictureOfTheTubesGoesToTheClipboard)
{
    shoot(50);
    moveOverTube(1);
    click("CopyBout");
    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(logicalSize(tubes()), QSize(793, 364));
    EXPECT_EQ(copied, tubes());
}

TEST_F(OrganWindow, TheMessageBarNamesWhatIsUnderTheMouse)
{
    moveOver(widget("Display2"), 50);
    EXPECT_TRUE(message().startsWith(QStringLiteral("Zone d'affichage des tubes déformés - Aucun tube affiché")));
    shoot(50);
    moveOver(widget("Display2"), 50);
    EXPECT_TRUE(message().startsWith(QStringLiteral("Clic gauche pour sélectionner un tube  | Clic droit")));
    enter(widget("SpeedSpin")->findChildren<QWidget*>().first());
    EXPECT_EQ(message(), QStringLiteral("Définir la vitesse atteinte par le percuteur ( 0 à 130 km/h )"));
    leave(widget("SpeedSpin"));
    EXPECT_EQ(message(), QStringLiteral("Utiliser le bouton \"Démarrer\" pour lancer le percuteur"));
}

TEST_F(OrganWindow, PagingMessagesFollowThePageShown)
{
    for (int i = 0; i < 20; ++i)
        shoot(5 * i, 20);
    enter(widget("NextBout"));
    EXPECT_EQ(message(), QStringLiteral("Afficher les tubes de la page suivante ( page 2 sur 2 )"));
    // On the last page the button leads nowhere and says nothing of a page.
    click("NextBout");
    EXPECT_EQ(message(), QStringLiteral("Utiliser le bouton \"Démarrer\" pour lancer le percuteur"));
    enter(widget("PredBout"));
    EXPECT_EQ(message(), QStringLiteral("Afficher les tubes de la page précédente ( page 1 sur 2 )"));
}

TEST_F(OrganWindow, ALongMessageIsShortenedToTheBar)
{
    shoot(50);
    window->resize(window->minimumSize());
    moveOver(widget("Display2"), 50);
    auto* bar = child<QLabel>(window.get(), "MessLab");
    EXPECT_TRUE(message().endsWith(QStringLiteral("...")));
    EXPECT_LE(QFontMetrics(bar->font()).horizontalAdvance(message()), bar->width());
    window->resize(1200, 600);
    EXPECT_FALSE(message().endsWith(QStringLiteral("...")));
}

} // namespace
