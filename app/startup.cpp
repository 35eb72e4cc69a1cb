#include "app/startup.h"

#include "app/appwindows.h"
#include "app/settings/appsettings.h"
#include "app/tmainf.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "platform/beep.h"
#include "platform/singleinstance.h"
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

    auto* splash = new TSplashF(&launcher);
    windows.splash = splash;
    windows.chute = new TChuteF;
    windows.freinage = new TFreinageF;
    windows.poids = new TPoidsF;
    windows.percuta = new TPercutaF;
    windows.preferences = new TPreferencesF(&launcher);
    if (AppSettings.SplasheFlag) {
        splash->show();
        splash->repaint();
    }
    windows.roue = new TRoueF;
    windows.tip = new TTipF(&launcher);
    windows.balle = new TBalleF;
    windows.disque = new TDisqueF;

    launcher.setWindows(windows);
    launcher.show();
    const int code = app.exec();

    for (QWidget* w : {windows.placed(SlotRoue), windows.placed(SlotBalle), windows.placed(SlotDisque),
                       windows.placed(SlotChute), windows.placed(SlotFreinage), windows.placed(SlotPercuta),
                       windows.placed(SlotPoids), windows.placed(SlotChamp)})
        delete w;
    return code;
}
