// Every window by screen reader: each visible control of every window and
// dialog has a name, and a description where it has a hint.
#include "launcherfixture.h"

#include "app/startup.h"
#include "platform/helpviewer.h"
#include "road/field/fieldwindow.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using ScreenReader = LauncherFixture;

// A view's scroll bars are part of the view a screen reader speaks of.
bool IsControl(const QWidget* w)
{
    if (qobject_cast<const QScrollBar*>(w))
        return false;
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QSpinBox*>(w)
           || qobject_cast<const QAbstractSlider*>(w) || qobject_cast<const QListWidget*>(w) || w->inherits("PaintBox")
           || w->inherits("SpinButton") || w->inherits("LegendSquare");
}

// The hint a mouse user sees over the control: its own, or its spin
// button's.
bool HasHint(const QWidget* w)
{
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (!w->toolTip().trimmed().isEmpty())
            return true;
    return false;
}

QString Said(QWidget* w, QAccessible::Text what)
{
    QAccessibleInterface* speech = QAccessible::queryAccessibleInterface(w);
    return speech ? speech->text(what).trimmed() : QString();
}

// Returns how many controls were checked.
int CheckWindow(QWidget* window)
{
    int checked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !IsControl(w) || w->window() != window)
            continue;
        ++checked;
        const QString where = window->objectName() + QLatin1Char('/') + w->objectName();
        // On this desktop a list box speaks its current item as its name:
        // its own name is what the other desktops read.
        const QString name = qobject_cast<QComboBox*>(w) ? w->accessibleName() : Said(w, QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << qPrintable(where);
        if (HasHint(w)) {
            EXPECT_FALSE(Said(w, QAccessible::Description).isEmpty()) << qPrintable(where);
        }
    }
    return checked;
}

TEST_F(ScreenReader, EveryControlOfEveryWindowHasANameAndItsHintAsDescription)
{
    AppSettings.SplasheFlag = false;
    windows.field = new TChampF;
    CreateWindows(*launcher, windows);
    SetHelpFile(QStringLiteral(KINEA_DOCS_DIR "/Kinea.html"));
    ShowHelpTopic(QStringLiteral("Sommaire"));
    ASSERT_NE(HelpWindow(), nullptr);

    QList<QWidget*> all{launcher.get(), HelpWindow(), windows.about, windows.tip, windows.preferences};
    for (int slot = SlotRoue; slot < PlacementSlotCount; ++slot)
        all << windows.Placed(slot);
    for (QWidget* window : all) {
        SCOPED_TRACE(qPrintable(window->objectName()));
        window->show();
        testing_support::ProcessEvents();
        EXPECT_FALSE(Said(window, QAccessible::Name).isEmpty());
        // The launcher's captions are labels.
        EXPECT_EQ(CheckWindow(window) > 0, window != launcher.get());
        // The preferences' pages: each one shown in turn.
        if (window == windows.preferences) {
            auto* pages = window->findChild<QListWidget*>("PagesList");
            for (int page = 1; page < pages->count(); ++page) {
                pages->setCurrentRow(page);
                CheckWindow(window);
            }
        }
        window->close();
    }
    CloseHelp();
    delete windows.about;
    delete windows.tip;
    delete windows.preferences;
    DeleteModuleWindows(windows);
}

} // namespace
