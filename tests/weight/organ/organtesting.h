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
    void Reopen();
    void Click(const char* name);
    void Spin(const char* name, bool up, int times = 1);
    // Sets the speed and mass with the step buttons, launches and runs the
    // shot to its end.
    void Shoot(int speedKmh, int massKg = 20);
    // Mouse over, press on (left or right) the tube display at the k-th
    // tube centre of the page (or at x).
    void MoveOverTube(int k);
    void MoveOver(QWidget* widget, double x, double y = 100);
    void PressOn(QWidget* widget, double x, Qt::MouseButton button = Qt::LeftButton, double y = 100);
    void Enter(QWidget* widget);
    void Leave(QWidget* widget);
    void Key(QWidget* target, Qt::Key key);
    double TubeCentre(int k) const;
    QWidget* Widget(const char* name) const;
    QString Message() const;

    const OrganModel& Model() const { return window->Model(); }
    const QImage& Bench() const { return window->BenchPicture(); }
    const QImage& Tubes() const { return window->TubesPicture(); }

    std::unique_ptr<TPercutaF> window;
};

// 0x00RRGGBB of a canvas colour, as rgbAt() reads pixels.
unsigned RgbOf(TColor color);

// The window's pictures are composed at the screen's device pixel ratio
// (the suite also runs on a screen scaled by 2): read at a logical point,
// that is its top-left device pixel, 0x00RRGGBB.
unsigned RgbAt(const QImage& picture, int x, int y);
QColor ColorAt(const QImage& picture, int x, int y);
QSize LogicalSize(const QImage& picture);
