#include "app/startup.h"

#include "app/appwindows.h"
#include "app/settings/appsettings.h"
#include "app/tmainf.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "platform/desktop.h"
#include "road/tchampf.h"
#include "road/tfreinagef.h"
#include "shell/tpreferencesf.h"
#include "shell/tsplashf.h"
#include "shell/ttipf.h"
#include "weight/tpercutaf.h"
#include "weight/tpoidsf.h"

#include <QApplication>
#include <QMessageBox>

bool SecondCopyRefused(SingleInstance& instance, bool instanceFlag)
{
    const bool alone = instance.tryAcquire();
    return !alone && instanceFlag;
}

QString SecondCopyMessage()
{
    return QStringLiteral("Attention, Kinea est déjà en cours d'exécution.\n"
                          "Modifiez les préférences ( Menu \"Préférences | Générales\" )\n"
                          "pour autoriser plus d'une instance du logiciel.");
}

int RunKinea(QApplication& app)
{
    PreferencesPage = 0;
    app.setApplicationName(QStringLiteral("Kinea"));
    app.setApplicationDisplayName(QStringLiteral("Kinea"));

    // The launcher's creation loads the settings that every later window reads.
    TMainF launcher;
    AppWindows windows;
    auto* champ = new TChampF;
    windows.champ = champ;

    SingleInstance instance;
    if (SecondCopyRefused(instance, AppSettings.InstanceFlag)) {
        Beep();
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"), SecondCopyMessage(),
                        QMessageBox::Ok);
        box.exec();
        delete champ;
        return 0;
    }

    CreateWindows(launcher, windows);
    launcher.show();
    const int code = app.exec();
    DeleteModuleWindows(windows);
    return code;
}

void CreateWindows(TMainF& launcher, AppWindows& windows)
{
    auto* splash = new TSplashF(&launcher);
    windows.splash = splash;
    windows.chute = new TChuteF;
    windows.freinage = new TFreinageF;
    windows.poids = new TPoidsF;
    windows.percuta = new TPercutaF;
    windows.preferences = new TPreferencesF(&launcher);
    splash->SetStartupMode(false);
    if (AppSettings.SplasheFlag) {
        // Shown at once so that it stays on screen while the rest is built.
        splash->SetStartupMode(true);
        splash->show();
        splash->repaint();
    }
    windows.roue = new TRoueF;
    windows.tip = new TTipF(&launcher);
    windows.balle = new TBalleF;
    windows.disque = new TDisqueF;
    launcher.setWindows(windows);
}

void DeleteModuleWindows(AppWindows& windows)
{
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
        delete windows.placed(slot);
    windows = AppWindows{};
}
