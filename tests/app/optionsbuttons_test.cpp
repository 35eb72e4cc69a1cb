// Each module's options button opens the one preferences dialog on the
// page of that module's settings.
#include "launcherfixture.h"

#include "app/startup.h"
#include "road/field/fieldwindow.h"
#include "shell/preferences/preferenceswindow.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

using OptionsButtons = LauncherFixture;

TEST_F(OptionsButtons, EachModuleOpensThePreferencesOnItsPage)
{
    AppSettings.SplasheFlag = false;
    windows.field = new TChampF;
    CreateWindows(*launcher, windows);
    ASSERT_NE(windows.preferences, nullptr);
    const struct
    {
        QWidget* window;
        int page;
    } rows[] = {
        {windows.weighing, 4}, // Poids et masse d'un objet
        {windows.braking, 5}, // Freinage d'un véhicule / Champ visuel
        {windows.field, 5},
        {windows.organ, 6}, // Orgue cinétique
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(qPrintable(row.window->objectName()));
        row.window->show();
        auto* button = row.window->findChild<QToolButton*>("OptionsBout");
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled());
        // The dialog runs its own loop: it is read and closed from there.
        int shown = -1;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&shown] {
            if (auto* dialog = qobject_cast<TPreferencesF*>(QApplication::activeModalWidget())) {
                shown = dialog->CurrentPage();
                dialog->reject();
            }
        });
        poll.start();
        button->click();
        EXPECT_EQ(shown, row.page);
        row.window->close();
    }
    delete windows.about;
    delete windows.tip;
    delete windows.preferences;
    DeleteModuleWindows(windows);
}

} // namespace
