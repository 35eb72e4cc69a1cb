#include "motiontesting.h"

#include "canvas/canvas.h"
#include "motion/model/motionrules.h"

#include <QApplication>
#include <QImage>
#include <cmath>

void MotionTest::SetUp()
{
    AppSettings = AppSettingsRecord{};
    PlayFlags = 0;
}

void MotionTest::TearDown()
{
    AppSettings = AppSettingsRecord{};
    PlayFlags = 0;
}

void Click(QWidget* window, const char* buttonName)
{
    auto* button = testing_support::Child<QAbstractButton>(window, buttonName);
    ASSERT_NE(button, nullptr) << buttonName;
    button->click();
}

QWidget* KeyTarget(QWidget* window)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}

unsigned RgbOf(TColor color)
{
    return QRgbFromCanvas(color) & 0xFFFFFFu;
}

std::vector<QPoint> CrossCentres(const QImage& picture, TColor color, QPoint skip)
{
    const unsigned c = RgbOf(color);
    auto is = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < picture.width() && y < picture.height()
               && testing_support::RgbAt(picture, x, y) == c;
    };
    std::vector<QPoint> centres;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (std::abs(x - skip.x()) <= 7 && std::abs(y - skip.y()) <= 7)
                continue;
            bool cross = !is(x - 1, y - 1) && !is(x + 1, y + 1) && !is(x + 1, y - 1) && !is(x - 1, y + 1);
            for (int d = -4; cross && d <= 3; ++d)
                cross = is(x + d, y) && is(x, y + d);
            if (cross)
                centres.emplace_back(x, y);
        }
    }
    return centres;
}

int CountCrosses(const QImage& picture, TColor color, QPoint skip)
{
    return int(CrossCentres(picture, color, skip).size());
}
