#include "app/startup.h"

#include "app/settings/appsettings.h"
#include "app/tmainf.h"
#include "motion/tballef.h"
#include "motion/tchutef.h"
#include "motion/tdisquef.h"
#include "motion/trouef.h"
#include "platform/desktop.h"
#include "road/tchampf.h"
#include "road/tfreinagef.h"
#include "shell/about/tsplashf.h"
#include "shell/preferences/tpreferencesf.h"
#include "shell/tip/ttipf.h"
#include "weight/tpercutaf.h"
#include "weight/tpoidsf.h"
#include "window/modulewindow.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

// ---- start

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

std::unique_ptr<QMessageBox> SecondCopyBox()
{
    return std::make_unique<QMessageBox>(QMessageBox::Warning, QStringLiteral("Avertissement"), SecondCopyMessage(),
                                         QMessageBox::Ok);
}

void NameTheProgram()
{
    // The name the task bar, the window class and the settings folder go by.
    // No display name: Qt would end every title bar with it.
    QCoreApplication::setApplicationName(QStringLiteral("Kinea"));
    QGuiApplication::setDesktopFileName(QStringLiteral("kinea"));
}

int RunKinea(QApplication& app)
{
    PreferencesPage = 0;
    NameTheProgram();

    // The launcher's creation loads the settings that every later window reads.
    TMainF launcher;
    AppWindows windows;
    auto* champ = new TChampF;
    windows.champ = champ;

    SingleInstance instance;
    if (SecondCopyRefused(instance, AppSettings.InstanceFlag)) {
        Beep();
        SecondCopyBox()->exec();
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

// ---- windows

QWidget* AppWindows::placed(int slot) const
{
    switch (slot) {
    case SlotRoue: return roue;
    case SlotBalle: return balle;
    case SlotDisque: return disque;
    case SlotChute: return chute;
    case SlotFreinage: return freinage;
    case SlotPercuta: return percuta;
    case SlotPoids: return poids;
    case SlotChamp: return champ;
    default: return nullptr;
    }
}

std::array<QWidget*, 7> AppWindows::hinted() const
{
    return {poids, champ, preferences, balle, chute, disque, roue};
}
