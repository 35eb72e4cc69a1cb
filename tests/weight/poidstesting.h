// The weight window shown for one test with the default settings, and the
// moves a pupil makes in it.
#pragma once

#include "app/settings/appsettings.h"
#include "support/testhelpers.h"
#include "weight/tpoidsf.h"

#include <QComboBox>
#include <gtest/gtest.h>
#include <memory>

class PoidsTest : public testing::Test
{
protected:
    void SetUp() override { AppSettings = AppSettingsRecord{}; }
    void TearDown() override
    {
        if (window)
            window->close();
        AppSettings = AppSettingsRecord{};
    }

    TPoidsF& open()
    {
        window = std::make_unique<TPoidsF>();
        window->show();
        return *window;
    }
    QComboBox* combo(const char* name) const { return testing_support::child<QComboBox>(window.get(), name); }
    void chooseObject(int object) { combo("ObjetCombo")->setCurrentIndex(object); }
    void choosePlace(int column, int place)
    {
        const char* names[] = {"Lieu1Combo", "Lieu2Combo", "Lieu3Combo"};
        combo(names[column - 1])->setCurrentIndex(place);
    }
    // Runs the scale timer until every column is still; the frames it took.
    int settleScales()
    {
        int frames = 0;
        for (; frames < 100 && anyScaleMoving(); ++frames)
            window->TimerEvent();
        return frames;
    }
    int settleGlobes()
    {
        int ticks = 0;
        for (; ticks < 100 && (window->GlobeMoving(1) || window->GlobeMoving(2) || window->GlobeMoving(3)); ++ticks)
            window->AnimTimerTimer();
        return ticks;
    }
    bool anyScaleMoving() const
    {
        for (int column = 1; column <= 3; ++column)
            if (window->Scale(column).State() != WeightState::Idle)
                return true;
        return false;
    }

    std::unique_ptr<TPoidsF> window;
};
