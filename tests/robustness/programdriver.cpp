#include "programdriver.h"

#include "app/launcherwindow.h"
#include "app/settings/appsettings.h"
#include "road/field/fieldwindow.h"
#include "shell/about/aboutwindow.h"
#include "window/modulewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QMetaObject>
#include <QTimer>
#include <QWidget>

namespace robustness {

namespace {

    template <typename T> T* Named(QWidget* window, const char* name)
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    void Click(QWidget* window, const char* name)
    {
        if (auto* button = Named<QAbstractButton>(window, name); button && button->isEnabled())
            button->click();
    }

    void Choose(QWidget* window, const char* name, int index)
    {
        if (auto* combo = Named<QComboBox>(window, name); combo && combo->count() > 0)
            combo->setCurrentIndex(index % combo->count());
    }

    bool IsMotionWindow(const QString& name)
    {
        return name == "RoueF" || name == "BalleF" || name == "DisqueF" || name == "ChuteF";
    }

} // namespace

Program::Program(const QString& folder)
{
    // The launcher's creation reads the settings beside the test: read
    // again from the test's folder before any window is made.
    m_launcher = std::make_unique<TMainF>();
    ProgramDir = folder;
    LoadSettings();
    m_windows.field = new TChampF;
    CreateWindows(*m_launcher, m_windows);
    m_list = {
        {"MainF", m_launcher.get(), SlotMain},
        {"RoueF", m_windows.wheel, SlotRoue},
        {"BalleF", m_windows.projectile, SlotBalle},
        {"DisqueF", m_windows.disc, SlotDisque},
        {"ChuteF", m_windows.freefall, SlotChute},
        {"FreinageF", m_windows.braking, SlotFreinage},
        {"PercutaF", m_windows.organ, SlotPercuta},
        {"PoidsF", m_windows.weighing, SlotPoids},
        {"ChampF", m_windows.field, SlotChamp},
        {"PreferencesF", m_windows.preferences, -1},
        {"TipF", m_windows.tip, -1},
        {"SplashF", m_windows.about, -1},
    };
}

Program::~Program()
{
    for (const ProgramWindow& window : m_list)
        if (window.widget != m_launcher.get())
            window.widget->hide();
    DeleteModuleWindows(m_windows);
    m_launcher.reset();
}

QWidget* Program::Window(const QString& name) const
{
    for (const ProgramWindow& window : m_list)
        if (window.name == name)
            return window.widget;
    return nullptr;
}

void OpenWindow(QWidget* window)
{
    if (auto* about = qobject_cast<TSplashF*>(window)) {
        // As the launcher's menu opens it: it runs until closed.
        about->SetStartupMode(false);
        about->SetOpenedFromMenu(true);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void StartAnimation(QWidget* window)
{
    const QString name = window->objectName();
    if (IsMotionWindow(name)) {
        Click(window, "PlayBout");
    } else if (name == "FreinageF" || name == "PercutaF") {
        Click(window, "DepartBout");
    } else if (name == "PoidsF") {
        Choose(window, "ObjetCombo", 3);
        Choose(window, "Lieu1Combo", 1);
        Choose(window, "Lieu2Combo", 5);
        Choose(window, "Lieu3Combo", 9);
    } else if (name == "ChampF") {
        Click(window, "AlcoolRadio");
        Click(window, "SpeedRadio");
    } else if (name == "TipF") {
        Click(window, "SuivantBout");
        Click(window, "PrecedentBout");
    } else if (name == "PreferencesF") {
        if (auto* pages = Named<QListWidget>(window, "PagesList"))
            for (int row = 0; row < pages->count(); ++row)
                pages->setCurrentRow(row);
    }
}

void RunTimers(QWidget* window, int ticks)
{
    for (int tick = 0; tick < ticks; ++tick) {
        for (QTimer* timer : window->findChildren<QTimer*>())
            if (timer->isActive())
                QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        QApplication::processEvents();
    }
}

QStringList FastTimers(QWidget* window)
{
    QStringList fast;
    for (const QTimer* timer : window->findChildren<QTimer*>())
        if (timer->isActive() && timer->interval() < 10)
            fast << QStringLiteral("%1 %2 ms").arg(timer->objectName()).arg(timer->interval());
    return fast;
}

QStringList Exercise(QWidget* window, int ticks, bool huge)
{
    OpenWindow(window);
    QApplication::processEvents();
    StartAnimation(window);
    QStringList fast = FastTimers(window);
    RunTimers(window, ticks);
    const QSize design = window->size();
    for (const QSize size : {QSize(1, 1), huge ? QSize(4000, 3000) : QSize(1, 1), design}) {
        window->resize(size);
        QApplication::processEvents();
        RunTimers(window, 1);
    }
    fast << FastTimers(window);
    window->close();
    QApplication::processEvents();
    return fast;
}

} // namespace robustness
