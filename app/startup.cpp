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
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

// ---- window placements

namespace {

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        areas.append(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

QRect KeepOnScreens(const QRect& rect, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return rect;
    for (const QRect& screen : screens)
        if (screen.intersects(rect))
            return rect;
    // A window stored on a screen that has gone would open out of reach.
    const QRect& primary = screens.first();
    QRect moved = rect;
    moved.moveTopLeft(primary.topLeft());
    return moved;
}

void ApplyPlacement(QWidget* window, const WindowPlacement& placement)
{
    // The file may hold any integer: kept within what a widget can take,
    // the place's right and bottom edges cannot overflow.
    const auto within = [](std::int32_t value) { return std::clamp(value, -QWIDGETSIZE_MAX, QWIDGETSIZE_MAX); };
    int width = placement.W > 0 ? within(placement.W) : window->width();
    int height = placement.H > 0 ? within(placement.H) : window->height();
    // Nor larger than the largest screen: the windows draw pictures of
    // their own size, which a stored 2147483647 would make gigantic.
    const QList<QRect> screens = screenAreas();
    QSize largest;
    for (const QRect& screen : screens)
        largest = largest.expandedTo(screen.size());
    if (!largest.isEmpty()) {
        width = std::min(width, std::max(largest.width(), window->minimumWidth()));
        height = std::min(height, std::max(largest.height(), window->minimumHeight()));
    }
    const QRect place = KeepOnScreens(QRect(within(placement.X), within(placement.Y), width, height), screens);
    window->move(place.topLeft());
    window->resize(place.size());
    if (placement.Maxis)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void CapturePlacement(const QWidget* window, WindowPlacement& placement)
{
    placement.Maxis = window->isMaximized();
    placement.X = window->x();
    placement.Y = window->y();
    // A maximised window's size is the screen's: keep its last normal size.
    if (placement.Maxis)
        return;
    placement.W = window->width();
    placement.H = window->height();
}
