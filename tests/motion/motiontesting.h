// Helpers of the motion window tests: fresh settings, windows opened and
// closed like the launcher does, clicks by object name and colour probes.
#pragma once

#include "app/settings/appsettings.h"
#include "support/testhelpers.h"

#include <QPoint>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class QImage;

// Every test starts from the default settings and a program that has shown
// no motion window yet.
class MotionTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
};

// A motion window shown for the length of a test and closed at its end.
template <typename W> class Opened
{
public:
    explicit Opened(QSize size = QSize())
        : m_window(std::make_unique<W>())
    {
        if (size.isValid())
            m_window->resize(size);
        m_window->show();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        testing_support::ProcessEvents();
    }
    ~Opened() { m_window->close(); }
    W* operator->() const { return m_window.get(); }
    W* Get() const { return m_window.get(); }

private:
    std::unique_ptr<W> m_window;
};

void Click(QWidget* window, const char* buttonName);
// Where the window system delivers a key: the focused control of the
// window, or the window itself.
QWidget* KeyTarget(QWidget* window);
// 0x00RRGGBB of a setting colour (0x00BBGGRR), as rgbAt() reads pixels.
unsigned RgbOf(TColor color);
// Centres of the traced crosses of `color` in `picture`, row by row: a
// horizontal arm from x-4 to x+3 and a vertical one from y-4 to y+3, with
// background at the diagonal neighbours; centres within 7 pixels of `skip`
// are left out.
std::vector<QPoint> CrossCentres(const QImage& picture, TColor color, QPoint skip);
int CountCrosses(const QImage& picture, TColor color, QPoint skip);
