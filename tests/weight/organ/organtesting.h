// Helpers of the kinetic organ window tests: the window shown at its
// design size with default settings, shots fired through its controls, and
// the mouse and keys sent where the window hears them.
#pragma once

#include "app/settings/appsettings.h"
#include "support/testhelpers.h"
#include "weight/organ/organwindow.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>

class OrganTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh window (after the settings were changed), shown.
    void reopen();
    void click(const char* name);
    void spin(const char* name, bool up, int times = 1);
    // Sets the speed and mass with the step buttons, launches and runs the
    // shot to its end.
    void shoot(int speedKmh, int massKg = 20);
    // Mouse over, press on (left or right) the tube display at the k-th
    // tube centre of the page (or at x).
    void moveOverTube(int k);
    void moveOver(QWidget* widget, double x, double y = 100);
    void pressOn(QWidget* widget, double x, Qt::MouseButton button = Qt::LeftButton, double y = 100);
    void enter(QWidget* widget);
    void leave(QWidget* widget);
    void key(QWidget* target, Qt::Key key);
    double tubeCentre(int k) const;
    QWidget* widget(const char* name) const;
    QString message() const;

    const OrganModel& model() const { return window->model(); }
    const QImage& bench() const { return window->benchPicture(); }
    const QImage& tubes() const { return window->tubesPicture(); }

    std::unique_ptr<TPercutaF> window;
};

// 0x00RRGGBB of a canvas colour, as rgbAt() reads pixels.
unsigned rgbOf(TColor color);

// The window's pictures are composed at the screen's device pixel ratio
// (the suite also runs on a screen scaled by 2): read at a logical point,
// that is its top-left device pixel, 0x00RRGGBB.
unsigned rgbAt(const QImage& picture, int x, int y);
QColor colorAt(const QImage& picture, int x, int y);
QSize logicalSize(const QImage& picture);
