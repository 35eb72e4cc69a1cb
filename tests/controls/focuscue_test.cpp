// The focus cue of the program's own controls: a dotted rectangle once the
// window is driven from the keyboard, and not one pixel changed before.
#include "controls/focuscue.h"
#include "controls/plaincontrols.h"
#include "controls/tapibutton.h"
#include "testhelpers.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using testing_support::Paint;
using testing_support::ProcessEvents;

namespace {

struct Row
{
    const char* name;
    std::function<QWidget*(QWidget*)> make;
    QRect cue; // where the dotted rectangle lies, edges included
};

QWidget* CaptionButton(QWidget* window)
{
    auto* button = new TAPIButton("OkBout", window);
    button->setGeometry(0, 30, 90, 25);
    return button;
}

QWidget* PictureButton(QWidget* window)
{
    QToolButton* button = MakeSpeedButton(window, "CloseBout", "MotionClose", {});
    button->setGeometry(0, 30, 33, 28);
    return button;
}

QWidget* NewPaintBox(QWidget* window)
{
    auto* box = new PaintBox(window);
    box->setFocusPolicy(Qt::TabFocus);
    box->onPaint = [box](QPainter& painter) { painter.fillRect(box->rect(), QColor(0x20, 0x60, 0xA0)); };
    box->setGeometry(0, 30, 60, 40);
    return box;
}

const Row kRows[] = {
    {"caption_button", CaptionButton, QRect(QPoint(3, 3), QPoint(85, 20))},
    {"picture_button", PictureButton, QRect(QPoint(3, 3), QPoint(28, 23))},
    {"paint_box", NewPaintBox, QRect(QPoint(2, 2), QPoint(56, 36))},
};

bool OnEdge(const QRect& r, QPoint p)
{
    return r.contains(p) && (p.x() == r.left() || p.x() == r.right() || p.y() == r.top() || p.y() == r.bottom());
}

TEST(FocusCue, ShownOnTheFocusedControlOnlyAfterTab)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        QWidget window;
        window.resize(200, 100);
        auto* entry = new QLineEdit(&window);
        entry->setGeometry(0, 0, 80, 22);
        QWidget* control = row.make(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const QImage before = Paint(control);

        // Focus given by a program, not by the keyboard: nothing shows.
        control->setFocus(Qt::OtherFocusReason);
        ProcessEvents();
        ASSERT_TRUE(control->hasFocus());
        EXPECT_EQ(Paint(control), before);

        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_Tab);
        ProcessEvents();
        ASSERT_TRUE(control->hasFocus());
        const QImage focused = Paint(control);
        int dots = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x) {
                const bool changed = focused.pixel(x, y) != before.pixel(x, y);
                const bool dot = OnEdge(row.cue, {x, y}) && (x - row.cue.left() + y - row.cue.top()) % 2 == 0;
                ASSERT_EQ(changed, dot) << x << "," << y;
                dots += dot;
            }
        EXPECT_GT(dots, 20);
    }
}

} // namespace
