// What every window shares: the closed signal of module windows, the
// opening and closing sequences of dialogs, the hint bubbles' pause and
// per-window switch, and minimum sizes given for the whole framed window.
#include "window/hints.h"
#include "window/modulewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// A module window that may refuse to close, as one with unsaved work would.
class RefusingWindow : public ModuleWindow
{
public:
    bool refuse = true;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (refuse) {
            event->ignore();
            return;
        }
        ModuleWindow::closeEvent(event);
    }
};

// Counts its opening and closing sequences.
class CountingDialog : public OpeningDialog
{
public:
    int opened = 0;
    int closed = 0;

protected:
    void FormShow() override { ++opened; }
    void FormClose() override { ++closed; }
};

// Counts the tool-tip requests that reach a control: the application's
// filters see them first.
class TipRequests : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip)
            ++count;
        return false;
    }
};

// Asks `widget` for its tool tip as the mouse resting on it would; true when
// the request reached it.
bool TipRequestReaches(QWidget* widget)
{
    TipRequests requests;
    widget->installEventFilter(&requests);
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &event);
    widget->removeEventFilter(&requests);
    QToolTip::hideText();
    return requests.count == 1;
}

} // namespace

TEST(ModuleWindow, SaysItClosedOnlyWhenTheCloseIsAccepted)
{
    RefusingWindow window;
    QSignalSpy closed(&window, &ModuleWindow::Closed);
    window.show();
    window.close();
    EXPECT_EQ(closed.count(), 0);
    EXPECT_TRUE(window.isVisible());
    window.refuse = false;
    window.close();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.isVisible());
}

TEST(OpeningDialog, RunsItsSequencesOncePerOpeningNotWhenMinimisedAndRestored)
{
    CountingDialog dialog;
    dialog.show();
    dialog.show();
    EXPECT_EQ(dialog.opened, 1);
    dialog.showMinimized();
    QApplication::processEvents();
    dialog.showNormal();
    QApplication::processEvents();
    EXPECT_EQ(dialog.opened, 1);
    EXPECT_EQ(dialog.closed, 0);
    dialog.reject();
    EXPECT_EQ(dialog.closed, 1);
    dialog.show();
    EXPECT_EQ(dialog.opened, 2);
    dialog.close();
    EXPECT_EQ(dialog.closed, 2);
}

TEST(HintBubbles, ShownAfterThreeHundredMillisecondsUnlessTheirWindowTurnsThemOff)
{
    InstallHintSupport();
    EXPECT_EQ(qApp->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);

    ModuleWindow window;
    auto* button = new QPushButton(QStringLiteral("Ok"), &window);
    button->setToolTip(QStringLiteral(" Fermer la fenêtre"));
    window.show();
    EXPECT_TRUE(TipRequestReaches(button));
    SetWindowHints(&window, false);
    EXPECT_FALSE(WindowHintsShown(&window));
    EXPECT_FALSE(TipRequestReaches(button));
    SetWindowHints(&window, true);
    EXPECT_TRUE(TipRequestReaches(button));
}

TEST(MinimumOuterSize, TheClientMayShrinkToTheOuterSizeLessTheFrame)
{
    const struct
    {
        const char* name;
        QSize outer;
        QSize client;
    } rows[] = {
        {"design window", {700, 500}, {692, 473}},
        {"launcher", {500, 390}, {492, 363}},
        {"smaller than the frame", {5, 20}, {0, 0}},
    };
    for (const auto& row : rows) {
        QWidget window;
        SetMinimumOuterSize(&window, row.outer);
        EXPECT_EQ(window.minimumSize(), row.client) << row.name;
    }
}
