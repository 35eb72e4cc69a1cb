// Shared set-up of the globe view tests: all four slots allocated, a small
// place table registered, everything freed afterwards.
#pragma once

#include "raster/globeview.h"

#include <gtest/gtest.h>
#include <vector>

class GlobeViewTest : public testing::Test
{
protected:
    // Index 0 is the empty choice; then Paris, the North Pole band, a place
    // whose picture does not exist and a dotted circle on the Earth.
    std::vector<PlaceRecord> places = {
        {0, false, 0, 200, 48, 0, 0, 0.0},      {3, true, 0, 322, 74, -48, 176, 9.81},
        {0, true, 0, 1000, 48, -90, 180, 9.83}, {12, false, 0, 200, 48, 0, 0, 1.0},
        {3, true, 20, 300, 100, 0, 0, 9.8},
    };

    void SetUp() override
    {
        SetGlobePlaceTable(places);
        AllocateGlobes(kFirstGlobeSlot, kLastGlobeSlot);
        for (int s = 0; s <= kLastGlobeSlot; ++s) {
            GlobePlace[s] = 0;
            GlobeTurn[s] = 0;
            GlobeTilt[s] = 0;
        }
    }

    void TearDown() override
    {
        FreeGlobes(kFirstGlobeSlot, kLastGlobeSlot, true);
        SetGlobePlaceTable({});
    }

    // Loads the slot's map for this place and returns the map.
    TDibPlus& Show(int slot, int place)
    {
        GlobePlace[slot] = place;
        LoadGlobeMap(slot, false);
        return *GlobeMap(slot);
    }
};
