#include "app/startup.h"

#include "app/launcherwindow.h"
#include "app/settings/appsettings.h"
#include "motion/discwindow.h"
#include "motion/freefallwindow.h"
#include "motion/projectilewindow.h"
#include "motion/wheelwindow.h"
#include "platform/desktop.h"
#include "road/braking/brakingwindow.h"
#include "road/field/fieldwindow.h"
#include "shell/about/aboutwindow.h"
#include "shell/preferences/preferenceswindow.h"
#include "shell/tip/tipwindow.h"
#include "weight/organ/organwindow.h"
#include "weight/weighing/weighingwindow.h"
#include "window/modulewindow.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

// ---- start

bool SecondCopyRefused(SingleInstance& instance, bool instanceFlag)
{
    const bool alone = instance.TryAcquire();
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
    auto* field = new TChampF;
    windows.field = field;

    SingleInstance instance;
    if (SecondCopyRefused(instance, AppSettings.InstanceFlag)) {
        Beep();
        SecondCopyBox()->exec();
        delete field;
        return 0;
    }

    CreateWindows(launcher, windows);
    launcher.show();
    // With no window manager to give it, the keyboard would go nowhere.
    launcher.activateWindow();
    // A settings file left unread is told once, over the launcher.
    if (const QString message = launcher.TakeSettingsMessage(); !message.isEmpty())
        QMessageBox::warning(&launcher, ProgramTitle(), message);
    const int code = app.exec();
    DeleteModuleWindows(windows);
    return code;
}

void CreateWindows(TMainF& launcher, AppWindows& windows)
{
    auto* about = new TSplashF(&launcher);
    windows.about = about;
    windows.freefall = new TChuteF;
    windows.braking = new TFreinageF;
    windows.weighing = new TPoidsF;
    windows.organ = new TPercutaF;
    windows.preferences = new TPreferencesF(&launcher);
    about->SetStartupMode(false);
    if (AppSettings.SplasheFlag) {
        // Shown at once so that it stays on screen while the rest is built.
        about->SetStartupMode(true);
        about->show();
        about->repaint();
    }
    windows.wheel = new TRoueF;
    windows.tip = new TTipF(&launcher);
    windows.projectile = new TBalleF;
    windows.disc = new TDisqueF;
    launcher.SetWindows(windows);
}

void DeleteModuleWindows(AppWindows& windows)
{
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
        delete windows.Placed(slot);
    windows = AppWindows{};
}

// ---- windows

QWidget* AppWindows::Placed(int slot) const
{
    switch (slot) {
    case SlotRoue: return wheel;
    case SlotBalle: return projectile;
    case SlotDisque: return disc;
    case SlotChute: return freefall;
    case SlotFreinage: return braking;
    case SlotPercuta: return organ;
    case SlotPoids: return weighing;
    case SlotChamp: return field;
    default: return nullptr;
    }
}

std::array<QWidget*, 7> AppWindows::Hinted() const
{
    return {weighing, field, preferences, projectile, freefall, disc, wheel};
}
